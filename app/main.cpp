#include "AppForms.h"
#include "Pictures.h"
#include "common/Fonts.h"
#include "common/QtTranslation.h"
#include "main/MainForm.h"
#include "product/ProductInfo.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("parolex"));
    QApplication::setOrganizationName(QStringLiteral("Morvik"));
    QApplication::setApplicationVersion(QString::fromLatin1(parolex::product::versionText));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.morvik_parolex.parolex"));
    QApplication::setWindowIcon(parolex::programIcon());
    parolex::installFonts();
    parolex::installQtTranslation();

    parolex::MainFormSetup setup;
    setup.settingsLayout = PAROLEX_INSTALLED_LAYOUT ? parolex::SettingsFile::Layout::Installed
                                                    : parolex::SettingsFile::Layout::Portable;
    parolex::AppForms forms(setup);
    parolex::MainForm *main = forms.mainForm();
    if (const QScreen *screen = main->screen())
        main->move(screen->availableGeometry().center() - main->rect().center());
    main->show();
    return QApplication::exec();
}
