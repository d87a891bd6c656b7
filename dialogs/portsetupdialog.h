#pragma once
// PortSetupDialog: the port setup dialog, with six fixed drop-down lists (port,
// baud rate, data bits, stop bits, parity, flow control) bound to one port.
// "OK" stores the six values into the port inside one update bracket;
// "Cancel" changes nothing.
//
// Thread safety: window thread only (Qt widgets).

#include "serial/comenums.h"
#include "serial/comportinfo.h"

#include <QComboBox>
#include <QDialog>

#include <array>

namespace serial {
class SerialPort;
}

namespace dialogs {

enum class PortSetting { Port, BaudRate, DataBits, StopBits, Parity, FlowControl };

// A fixed list of every value of one setting.
class PortSettingList : public QComboBox {
public:
    // Fills the list; the port list is read from the system at this moment
    // (PortError with ComError::RegError when it cannot be).
    PortSettingList(PortSetting kind, QWidget* parent);

    // Selects the entry of the port's current value. A current port name
    // that the system does not list is added first, so that "OK" without a
    // choice keeps it instead of storing an empty name; it is marked when
    // no such device is there.
    void Bind(const serial::SerialPort& port);
    // Stores the selected value into the port; without a selection, the
    // first value of the kind (an empty port name, brCustom, dbFive, ...).
    // A "Custom" baud rate leaves CustomBaudRate as it is.
    void StoreTo(serial::SerialPort& port) const;

private:
    void AddPort(int index, const serial::ComPortInfo& port);

    PortSetting kind_;
    std::vector<serial::ComPortInfo> ports_;
};

class PortSetupDialog : public QDialog {
    Q_OBJECT
public:
    // Builds the dialog; PortError with ComError::RegError when the port list cannot be read.
    explicit PortSetupDialog(QWidget* parent = nullptr);

    void Bind(const serial::SerialPort& port);
    // BeginUpdate, the six values in the order port, baud rate, data bits,
    // stop bits, parity, flow control, EndUpdate. The bracket is closed also
    // when storing raises; values stored before the failure stay stored.
    void StoreTo(serial::SerialPort& port) const;

private:
    std::array<PortSettingList*, 6> lists_{};
};

// Shows the dialog modally on the port and applies the choice on "OK".
void EditPortSettings(serial::SerialPort& port);

// Lets SerialPort::ShowSetupDialog show this dialog. The program calls
// it once at start-up.
void InstallPortSetupDialog();

} // namespace dialogs
