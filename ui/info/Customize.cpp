#include "info/Customize.h"

#include "Pictures.h"
#include "common/ButtonFace.h"
#include "common/Forms.h"
#include "info/LinkLauncher.h"
#include "product/ProductInfo.h"
#include "skin/Skin.h"
#include "ui_Customize.h"

#include <QCloseEvent>
#include <QCursor>
#include <QFontInfo>
#include <QPixmap>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <algorithm>

namespace parolex {
namespace {

const QColor textBoxGrey(207, 207, 207);

void setBase(QWidget *textBox)
{
    QPalette palette = textBox->palette();
    palette.setColor(QPalette::Base, textBoxGrey);
    textBox->setPalette(palette);
}

// Lines one em apart: the service description's box holds its lines only at that pitch. The
// Chinese fonts of most systems ask for half as much height again, which would push the last
// lines out of the box.
void useEmLinePitch(QTextEdit *box)
{
    box->document()->setDocumentMargin(2);
    QTextBlockFormat lines;
    lines.setLineHeight(QFontInfo(box->font()).pixelSize(), QTextBlockFormat::FixedHeight);
    QTextCursor all(box->document());
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(lines);
}

QCursor linkCursor()
{
    // The hot spot is the tip of the pointing finger in the picture.
    return QCursor(Picture(u"dialogs/link-cursor").pixmap(QSize(32, 32)), 10, 2);
}

} // namespace

Customize::Customize(Forms &forms)
    : SkinnedWindow(QStringLiteral("Tesmo的软件定制服务")), m_forms(forms),
      m_ui(std::make_unique<Ui::Customize>())
{
    m_ui->setupUi(this);
    useFlatFace(m_ui->Command1);
    for (QLabel *label : {m_ui->Label2, m_ui->Label3, m_ui->Label4}) {
        // A .ui file keeps line breaks as LF only; the program's texts break their lines with
        // CR LF.
        label->setText(label->text().replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
        // A font with taller lines than the box was made for would cut off the last line; the
        // labels are transparent, so growing downwards hides nothing.
        label->resize(label->width(), std::max(label->height(), label->sizeHint().height()));
    }
    // A .ui file holds whole points only.
    QFont headingFont = m_ui->Label1->font();
    headingFont.setPointSizeF(26.25);
    m_ui->Label1->setFont(headingFont);
    // The contacts have one definition, shared with the output file.
    m_ui->Label6->setText(product::webAddress());
    m_ui->Label7->setText(product::mailAddress());
    m_ui->Text2->setPlainText(QStringLiteral("QQ:%1\r\n").arg(product::qqNumber()));
    useEmLinePitch(m_ui->Text1);
    useEmLinePitch(m_ui->Text2);
    m_ui->Label6->setCursor(linkCursor());
    m_ui->Label7->setCursor(linkCursor());

    connect(m_ui->Label6, &ClickableLabel::clicked, this, [this] { OpenWebPage(product::webAddress(), this); });
    connect(m_ui->Label7, &ClickableLabel::clicked, this, [this] { OpenMailLink(product::mailAddress(), this); });
    connect(m_ui->Command1, &QPushButton::clicked, this, &Customize::unload);

    ApplySkin(this);
    centreOver(m_forms.mainWindow());
    SetAlwaysOnTop(this, true);
    if (QWidget *main = m_forms.mainWindow())
        main->setEnabled(false);
    setBase(m_ui->Text2);
    setBase(m_ui->Text1);
    // The box lies outside the window: holding the focus there leaves no visible control
    // marked when the dialog opens.
    m_ui->Text3->setFocus();
}

Customize::~Customize() = default;

void Customize::closeEvent(QCloseEvent *event)
{
    if (QWidget *main = m_forms.mainWindow())
        main->setEnabled(true);
    SkinnedWindow::closeEvent(event);
}

} // namespace parolex
