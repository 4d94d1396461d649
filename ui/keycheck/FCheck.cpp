#include "FCheck.h"

#include "DeriveKeyPassword.h"
#include "Forms.h"
#include "MessageBox.h"
#include "ProductInfo.h"
#include "Skin.h"
#include "ui_FCheck.h"

#include <QKeyEvent>

namespace parolex {

FCheck::FCheck(Forms &forms)
    : SkinnedWindow(product::title()), m_forms(forms), m_ui(std::make_unique<Ui::FCheck>())
{
    m_ui->setupUi(this);
    connect(m_ui->Command1, &QPushButton::clicked, this, &FCheck::checkKey);
    connect(m_ui->Command2, &QPushButton::clicked, this, &FCheck::unload);

    // A password typed here would be checked against a main window that floats above it.
    SetAlwaysOnTop(m_forms.mainWindow(), false);
    m_forms.untickMainAlwaysOnTop();
    ApplySkin(this);
}

FCheck::~FCheck() = default;

void FCheck::titleHelpClicked()
{
    m_forms.showAbout();
}

void FCheck::keyPressEvent(QKeyEvent *event)
{
    // Outside a QDialog no button is the default one: Enter presses the focused button, or
    // "确定" from the fields; Escape leaves.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        else
            m_ui->Command1->click();
        return;
    case Qt::Key_Escape:
        m_ui->Command2->click();
        return;
    default:
        SkinnedWindow::keyPressEvent(event);
    }
}

void FCheck::checkKey()
{
    // Both texts exactly as typed: a blank or a changed case is a different password.
    const std::optional<QString> derived = DeriveKeyPassword(m_ui->Text1->text());
    if (!derived) {
        // The Key is too long to derive; the last outcome stays on view.
        MessageBox::show(QStringLiteral("内存溢出，可能是您选择的文件太大了。"), {},
                         MessageIcon::Information);
        return;
    }
    showOutcome(*derived == m_ui->Text2->text());
}

void FCheck::showOutcome(bool match)
{
    const QString sentence =
        match ? QStringLiteral("此Key由 %1 2.X版本生成。") : QStringLiteral("此Key不是由 %1 2.X版本生成。");
    m_ui->Label3->setText(sentence.arg(product::title()));
    m_ui->Image1->setVisible(match);
    m_ui->Image2->setVisible(!match);
}

} // namespace parolex
