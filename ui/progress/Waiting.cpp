#include "progress/Waiting.h"

#include "common/Forms.h"
#include "skin/Skin.h"
#include "ui_Waiting.h"

#include <QCloseEvent>
#include <QFontMetricsF>

namespace parolex {
namespace {

constexpr qreal minimumProgressPointSize = 9;

} // namespace

Waiting::Waiting(Forms &forms)
    : SkinnedWindow(QStringLiteral("Morvik Parolex")), m_ui(new ::Ui::Waiting), m_forms(forms)
{
    m_ui->setupUi(this);
    // Floats above everything while a run works, but leaves the keyboard where it was.
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_progressPointSize = m_ui->Label1->font().pointSizeF();
    connect(m_ui->Label5, &ClickableLabel::clicked, this, [this] { m_forms.showAbout(); });
    // Shown without activation, so it must appear where the user is already looking.
    centreOver(m_forms.mainWindow());

    if (QWidget *main = m_forms.mainWindow()) {
        main->setEnabled(false);
        SetAlwaysOnTop(main, false);
    }
    SetAlwaysOnTop(this, true);
    m_forms.untickMainAlwaysOnTop();
    ApplySkin(this);
}

Waiting::~Waiting() = default;

void Waiting::showProgressLabel()
{
    m_ui->Label1->setVisible(true);
}

void Waiting::setProgressText(const QString &text)
{
    // A share like " 39.8397445678711%" is wider than the label at the label's own 18 points;
    // the text gets smaller rather than losing its end.
    QLabel *label = m_ui->Label1;
    QFont font = label->font();
    font.setPointSizeF(m_progressPointSize);
    // A little room to spare: glyphs as drawn may reach past their measured advance.
    const qreal room = label->width() - 4;
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    if (width > room)
        font.setPointSizeF(std::max(minimumProgressPointSize, m_progressPointSize * room / width));
    label->setFont(font);
    label->setText(text);
}

void Waiting::closeEvent(QCloseEvent *event)
{
    if (QWidget *main = m_forms.mainWindow())
        main->setEnabled(true);
    event->accept();
}

void Waiting::titleHelpClicked()
{
    m_forms.showAbout();
}

} // namespace parolex
