// The main window's operation state: the status area, which controls a
// running operation leaves enabled, the read watchdog and the common end of
// a failed operation.

#include "app/form1.h"

#include "device/mainthreat.h"
#include "phonebook/phonelisteditor.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

const QString WriteCaption = QStringLiteral("Write To Device");
const QString CancelCaption = QStringLiteral("Cancel");

} // namespace

void TForm1::ShowStatusArea()
{
    LBL_CurrentAction->show();
    ProgressBar->show();
}

void TForm1::HideStatusArea()
{
    LBL_CurrentAction->hide();
    ProgressBar->hide();
}

void TForm1::SetStatus(const std::wstring& text, unsigned percent)
{
    ShowStatusArea();
    LBL_CurrentAction->setText(QString::fromStdWString(text));
    SetGauge(percent <= 100 ? static_cast<int>(percent) : 0);
    // Painted now: the window may wait next (the pause before the frames,
    // a reopen), and the operator is meant to read it meanwhile.
    LBL_CurrentAction->repaint();
    ProgressBar->repaint();
}

void TForm1::SetGauge(int percent)
{
    // QProgressBar ignores a value outside its range; the gauge takes the
    // nearest bound instead. It would repaint at once, inside the device
    // handler that moved it and so before the next frame goes out; the
    // repaint is left to the event loop, where it overlaps the line.
    const int value = std::clamp(percent, ProgressBar->minimum(), ProgressBar->maximum());
    if (value == ProgressBar->value())
        return;
    ProgressBar->setUpdatesEnabled(false);
    ProgressBar->setValue(value);
    ProgressBar->setUpdatesEnabled(true);
}

bool TForm1::WriteRunning() const
{
    return BTN_WriteToDevice->text() != WriteCaption;
}

void TForm1::SetControlsEnabled(bool enable, bool writeMode)
{
    BTN_LoadFromFile->setEnabled(enable);
    BTN_SaveToFile->setEnabled(enable);
    BTN_LoadFromDevice->setEnabled(enable);
    VLE_Telefonai->setEnabled(enable);
    if (!writeMode)
        BTN_WriteToDevice->setEnabled(enable);
    else
        BTN_WriteToDevice->setText(enable ? WriteCaption : CancelCaption);
    BTN_ClearAll->setEnabled(enable);
    BTN_PortSettings->setEnabled(enable);
}

void TForm1::BusyForWriting()
{
    SetStatus(L"Connecting to device...", 0);
    SetControlsEnabled(false, true);
}

void TForm1::BusyForReading()
{
    SetStatus(L"Reading data from device...", 0);
    SetControlsEnabled(false, false);
    Timer->start();
}

void TForm1::IdleAfterWriting()
{
    HideStatusArea();
    SetControlsEnabled(true, true);
}

void TForm1::IdleAfterReading()
{
    HideStatusArea();
    SetControlsEnabled(true, false);
}

void TForm1::EndRead()
{
    Timer->stop();
    ReadingFromDevice = false;
}

void TForm1::FailOperation(Operation operation, const std::wstring& message)
{
    if (Worker)
        Worker->CancelAll();
    if (operation == Operation::Write) {
        IdleAfterWriting();
    } else {
        // A failed read is over too: the watchdog must not report it a
        // second time while the message is up, nor later.
        EndRead();
        IdleAfterReading();
    }
    ShowErrorMessage(message);
}

void TForm1::TimerTimer()
{
    // The read gives itself up when the gauge is full.
    SetGauge(ProgressBar->value() + 1);
}
