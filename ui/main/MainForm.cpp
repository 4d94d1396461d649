#include "main/MainForm.h"

#include "common/FileDialog.h"
#include "common/FrameStyle.h"
#include "common/Forms.h"
#include "main/CaptionBlink.h"
#include "main/Clipboard.h"
#include "main/DigitFilter.h"
#include "main/MainRunUi.h"
#include "main/ResultList.h"
#include "main/SimpleMode.h"
#include "skin/Skin.h"
#include "text/NumberText.h"
#include "ui_MainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>

namespace parolex {
namespace {

const QColor formGrey(207, 207, 207);

// The list entries are written by the display conversion, with its leading blank.
QString listEntry(int value)
{
    return displayNumberText(value);
}

} // namespace

MainForm::MainForm(Forms &forms, const MainFormSetup &setup)
    : SkinnedWindow(QStringLiteral("Morvik Parolex 2.81")), m_ui(new ::Ui::MainForm), m_forms(forms),
      m_setup(setup), m_settings(setup.programFolder, setup.configFolder, setup.settingsLayout)
{
    Q_ASSERT(m_setup.random && m_setup.files);
    m_ui->setupUi(this);
    m_simpleLayout = std::make_unique<SimpleMode>(*this, *m_ui);
    m_results = std::make_unique<ResultList>(m_ui->CoCode);
    QPalette white = m_ui->CoCode->palette();
    white.setColor(QPalette::Button, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    m_ui->CoCode->setPalette(white);
    m_runUi = std::make_unique<MainRunUi>(m_forms, *m_results, m_ui->CoCode);
    for (QComboBox *box : {m_ui->CoLong, m_ui->CoNum}) {
        // The number boxes take what is typed as it is: no completion from the list, no
        // new list entries on Enter.
        box->setCompleter(nullptr);
        box->setInsertPolicy(QComboBox::NoInsert);
    }
    fitHintLines();
    for (QGroupBox *frame : findChildren<QGroupBox *>())
        useCaptionOnBorder(frame);
    // Each filter belongs to its box.
    new DigitFilter(m_ui->CoLong);
    new DigitFilter(m_ui->CoNum);
    connectHandlers();
    load();
}

MainForm::~MainForm()
{
    // The controls going with the window move the focus; this window no longer follows it.
    disconnect(m_focusFollower);
}

void MainForm::load()
{
    ApplySkin(this);
    m_simpleMode = false;
    if (m_settings.read())
        m_ui->Check1->setChecked(true);

    for (QWidget *control : std::initializer_list<QWidget *>{
             m_ui->Frame1, m_ui->Frame2, m_ui->Frame3, m_ui->Frame4, m_ui->OptT, m_ui->OptN, m_ui->ChMui,
             m_ui->CChooseBig, m_ui->CLetter, m_ui->CLine, m_ui->CNumber, m_ui->Check2}) {
        QPalette palette = control->palette();
        palette.setColor(QPalette::Window, formGrey);
        control->setPalette(palette);
    }
    m_ui->Frame3->setEnabled(false);
    m_filterDuplicates = false;
    m_fileOutput = false;
    m_keyMode = false;
    IsKeyInputEnabled();
    for (QCheckBox *box : {m_ui->CLetter, m_ui->CNumber, m_ui->CChooseBig, m_ui->CLine})
        box->setChecked(true);
    fillLists();
    m_ui->CoLong->setEditText(QStringLiteral("8"));
    m_ui->CoNum->setEditText(QStringLiteral("10"));
    m_ui->Frame4->setEnabled(false);
    m_ui->Frame3->setEnabled(false);
    m_ui->CoCode->setEnabled(false);
    UsePixelScale(this);

    new CaptionBlink(m_ui->Check1);
}

void MainForm::fitHintLines()
{
    // The hint above the result list takes two lines in a box 25 pixels high, made for fonts
    // with 12-pixel lines; the Chinese fonts here space their lines 17 pixels apart, which
    // would cut the second line in half.
    QLabel *hint = m_ui->Label4;
    hint->setTextFormat(Qt::RichText);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hint->setText(QStringLiteral("<div style=\"-qt-line-height-type:fixed; line-height:12px\">%1</div>")
                      .arg(hint->text().toHtmlEscaped()));
}

void MainForm::fillLists()
{
    for (int length = 2; length <= 25; ++length)
        m_ui->CoLong->addItem(listEntry(length));

    QStringList counts;
    for (int n = 1; n <= 50; ++n)
        counts << listEntry(n);
    for (int n = 55; n <= 195; n += 10)
        counts << listEntry(n);
    for (int n = 250; n <= 1000; n += 50)
        counts << listEntry(n);
    for (int n : {1500, 2000, 20000, 200000})
        counts << listEntry(n);
    m_ui->CoNum->addItems(counts);
}

void MainForm::connectHandlers()
{
    connect(m_ui->CmdStart, &QAbstractButton::clicked, this, &MainForm::startRun);
    connect(m_ui->CmdCheck, &QAbstractButton::clicked, this, [this] { m_forms.showKeyCheck(); });
    connect(m_ui->CmdAbout, &QAbstractButton::clicked, this, [this] { m_forms.showAbout(); });
    connect(m_ui->CmdExit, &QAbstractButton::clicked, this, [this] { m_forms.showCustomize(); });

    // A changed value runs the handling whether the user or the program changed it.
    connect(m_ui->Check1, &QAbstractButton::toggled, this, &MainForm::check1Click);
    connect(m_ui->Check2, &QAbstractButton::toggled, this,
            [this](bool ticked) { m_filterDuplicates = ticked; });
    connect(m_ui->ChMui, &QAbstractButton::toggled, this, &MainForm::chMuiClick);
    connect(m_ui->OptN, &QAbstractButton::toggled, this, [this](bool selected) {
        if (selected)
            optNClick();
    });
    connect(m_ui->OptT, &QAbstractButton::toggled, this, [this](bool selected) {
        if (selected)
            optTClick();
    });
    connect(m_ui->CLetter, &QAbstractButton::toggled, this, &MainForm::cLetterClick);
    connect(m_ui->ChTop, &QAbstractButton::toggled, this, &MainForm::chTopClick);
    connect(m_ui->CoCode, &QComboBox::activated, this, &MainForm::coCodeClick);
    connect(m_ui->Iinput, &QAbstractButton::clicked, this, &MainForm::iinputClick);
    connect(m_ui->IOutput, &QAbstractButton::clicked, this, &MainForm::iOutputClick);
    m_focusFollower =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { followFocus(now); });
}

void MainForm::followFocus(QWidget *now)
{
    if (now && isAncestorOf(now))
        m_lastFocus = now;
}

void MainForm::changeEvent(QEvent *event)
{
    // A run, or the service dialog, disables the whole window, and with it the focus is gone;
    // when the window comes back, so does the control the user was on.
    if (event->type() == QEvent::EnabledChange && isEnabled() && m_lastFocus && m_lastFocus->isEnabled() &&
        m_lastFocus->isVisible()) {
        m_lastFocus->setFocus(Qt::OtherFocusReason);
        // The window that disabled this one may have held the keyboard and be closing now:
        // once it has gone, the keyboard comes back here unless another window took it.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isEnabled() && isVisible() && !QApplication::activeWindow())
                    activateWindow();
            },
            Qt::QueuedConnection);
    }
    SkinnedWindow::changeEvent(event);
}

void MainForm::IsKeyInputEnabled()
{
    m_ui->Tinput->setEnabled(m_keyMode);
    m_ui->Iinput->setEnabled(m_keyMode);
    m_ui->Label8->setEnabled(m_keyMode);
}

void MainForm::untickAlwaysOnTop()
{
    m_ui->ChTop->setChecked(false);
}

GenerationOptions MainForm::options() const
{
    GenerationOptions options;
    options.CountText = m_ui->CoNum->currentText();
    options.LengthText = m_ui->CoLong->currentText();
    options.UseLetters = m_ui->CLetter->checkState() == Qt::Checked;
    options.UseUpperCase = m_ui->CChooseBig->checkState() == Qt::Checked;
    options.UseDigits = m_ui->CNumber->checkState() == Qt::Checked;
    options.UseUnderscore = m_ui->CLine->checkState() == Qt::Checked;
    options.OwnSymbols = m_ui->TAL->text();
    options.FilterDuplicates = m_filterDuplicates;
    options.FromKey = !m_ui->OptN->isChecked();
    options.FileOutput = m_fileOutput;
    options.KeyFilePath = m_ui->Tinput->text();
    options.OutputFilePath = m_ui->TOutput->text();
    options.KeyText = m_ui->Text1->text();
    return options;
}

void MainForm::startRun()
{
    if (!m_runUi->run(options(), *m_setup.random, *m_setup.files))
        return;
    if (m_endAfterRun)
        close();
}

void MainForm::check1Click(bool ticked)
{
    if (ticked) {
        m_ui->OptN->setChecked(true);
        m_ui->ChMui->setChecked(false);
        m_fileOutput = false;
        m_keyMode = false;
        m_simpleLayout->switchOn();
        m_simpleMode = true;
    } else {
        m_simpleLayout->switchOff();
        m_simpleMode = false;
    }
}

void MainForm::chMuiClick(bool ticked)
{
    m_ui->Frame4->setEnabled(ticked);
    m_fileOutput = ticked;
    IsKeyInputEnabled();
}

void MainForm::optNClick()
{
    m_ui->Frame1->setEnabled(true);
    m_ui->Frame3->setEnabled(false);
    m_keyMode = false;
    IsKeyInputEnabled();
}

void MainForm::optTClick()
{
    m_ui->Frame1->setEnabled(false);
    m_ui->Frame3->setEnabled(true);
    m_keyMode = true;
    IsKeyInputEnabled();
}

void MainForm::cLetterClick(bool ticked)
{
    if (!ticked) {
        m_ui->CChooseBig->setChecked(false);
        m_ui->CChooseBig->setEnabled(false);
    } else {
        m_ui->CChooseBig->setEnabled(true);
    }
}

void MainForm::chTopClick(bool ticked)
{
    SetAlwaysOnTop(this, ticked);
}

void MainForm::coCodeClick()
{
    putPasswordOnClipboard(m_ui->CoCode->currentText());
}

void MainForm::iinputClick()
{
    const QString name = FileDialog::openFileName(this);
    if (!name.isEmpty())
        m_ui->Tinput->setText(name);
}

void MainForm::iOutputClick()
{
    const QString name = FileDialog::saveFileName(this);
    if (!name.isEmpty())
        m_ui->TOutput->setText(name);
}

void MainForm::titleCloseClicked()
{
    m_forms.unloadAbout();
    m_forms.unloadKeyCheck();
    unload();
}

void MainForm::titleHelpClicked()
{
    m_forms.showAbout();
}

void MainForm::closeEvent(QCloseEvent *event)
{
    m_forms.unloadAbout();
    m_forms.unloadKeyCheck();
    if (m_runUi->isRunning()) {
        // The run's working state lives in this window's call stack: the window goes out of
        // sight now, the run stops at its next event pass (within milliseconds), and the
        // program ends as soon as the run has returned.
        event->ignore();
        m_endAfterRun = true;
        m_runUi->requestStop();
        hide();
        return;
    }
    m_settings.write(m_simpleMode);
    event->accept();
    // Every other window closes with the program. Asked from inside this close, the
    // application would first try to close this window again, find it closing and give up.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

} // namespace parolex
