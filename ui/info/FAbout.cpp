#include "info/FAbout.h"

#include "common/Forms.h"
#include "info/LinkLauncher.h"
#include "product/ProductInfo.h"
#include "skin/Skin.h"
#include "text/NumberText.h"
#include "ui_FAbout.h"

#include <QCloseEvent>

namespace parolex {
namespace {

const QColor textBoxGrey(207, 207, 207);

// Every number with the leading blank of a number shown to the user: " 2. 8. 2641".
QString versionText(int major, int minor, int revision)
{
    return displayNumberText(major) + QLatin1Char('.') + displayNumberText(minor) + QLatin1Char('.') +
           displayNumberText(revision);
}

} // namespace

FAbout::FAbout(Forms &forms)
    : SkinnedWindow(product::title()), m_forms(forms), m_ui(std::make_unique<Ui::FAbout>())
{
    m_ui->setupUi(this);
    // A .ui file holds whole points only.
    QFont versionFont = m_ui->Ver->font();
    versionFont.setPointSizeF(10.5);
    m_ui->Ver->setFont(versionFont);
    // The contacts have one definition, shared with the output file.
    m_ui->Text3->setPlainText(QStringLiteral("MSN:%1\r\nQQ:%2\r\n欢迎来我的主页和我一起交流经验！\r\n")
                                  .arg(product::mailAddress(), product::qqNumber()));
    m_ui->A3->setText(product::mailAddress());
    m_ui->Label1->setText(product::webAddress());

    connect(m_ui->Label5, &ClickableLabel::clicked, this, [this] { m_forms.showAbout(); });
    connect(m_ui->Label1, &ClickableLabel::clicked, this, [this] { OpenWebPage(product::webAddress(), this); });
    connect(m_ui->A3, &ClickableLabel::clicked, this, [this] { OpenMailLink(m_ui->A3->text(), this); });

    ApplySkin(this);
    centreOver(m_forms.mainWindow());
    QPalette palette = m_ui->Text3->palette();
    palette.setColor(QPalette::Base, textBoxGrey);
    m_ui->Text3->setPalette(palette);
    m_ui->Ver->setText(versionText(product::versionMajor, product::versionMinor, product::versionRevision));
}

FAbout::~FAbout() = default;

void FAbout::titleHelpClicked()
{
    m_forms.showAbout();
}

void FAbout::closeEvent(QCloseEvent *event)
{
    if (QWidget *main = m_forms.mainWindow())
        main->setEnabled(true);
    SkinnedWindow::closeEvent(event);
}

} // namespace parolex
