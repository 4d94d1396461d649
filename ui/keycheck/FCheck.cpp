#include "keycheck/FCheck.h"

#include "common/ButtonFace.h"
#include "common/Forms.h"
#include "common/MessageBox.h"
#include "key/KeyCheck.h"
#include "product/ProductInfo.h"
#include "run/ReportRunError.h"
#include "skin/Skin.h"
#include "ui_FCheck.h"

#include <QKeyEvent>

namespace parolex {

FCheck::FCheck(Forms &forms)
    : SkinnedWindow(product::title()), m_forms(forms), m_ui(std::make_unique<Ui::FCheck>())
{
    m_ui->setupUi(this);
    useFlatFace(m_ui->Command1);
    useFlatFace(m_ui->Command2);
    connect(m_ui->Command1, &QPushButton::clicked, this, &FCheck::checkKey);
    connect(m_ui->Command2, &QPushButton::clicked, this, &FCheck::unload);

    // A password typed here would be checked against a main window that floats above it.
    SetAlwaysOnTop(m_forms.mainWindow(), false);
    m_forms.untickMainAlwaysOnTop();
    ApplySkin(this);
    centreOver(m_forms.mainWindow());
}

FCheck::~FCheck() = default;

void FCheck::titleHelpClicked()
{
    m_forms.showAbout();
}

void FCheck::keyPressEvent(QKeyEvent *event)
{
    // A focused button takes Enter itself; from the fields Enter checks, and Escape leaves.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
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
    const Result<bool> match = keyMatchesPassword(m_ui->Text1->text(), m_ui->Text2->text());
    if (!match) {
        // The Key is too long to derive; the last outcome stays on view.
        MessageBox::show(runErrorText(match.failure()), {}, QMessageBox::Information, this);
        return;
    }
    showOutcome(*match);
}

void FCheck::showOutcome(bool match)
{
    m_ui->Label3->setText(keyCheckSentence(match));
    m_ui->Image1->setVisible(match);
    m_ui->Image2->setVisible(!match);
}

} // namespace parolex
