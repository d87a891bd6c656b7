#include "dialogs/portsetupdialog.h"

#include "dialogs/dialogframe.h"
#include "serial/comconvert.h"
#include "serial/serialport.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <exception>

namespace dialogs {

namespace {

// The dialog's texts, also those of the port list's entries.
constexpr char Context[] = "dialogs::PortSetupDialog";

struct ListRow {
    PortSetting kind;
    const char* label; // translated where it is shown
    const char* objectName;
};

constexpr std::array<ListRow, 6> Rows = {{
    {PortSetting::Port, QT_TRANSLATE_NOOP("dialogs::PortSetupDialog", "Port"), "Port"},
    {PortSetting::BaudRate, QT_TRANSLATE_NOOP("dialogs::PortSetupDialog", "Baud rate"), "BaudRate"},
    {PortSetting::DataBits, QT_TRANSLATE_NOOP("dialogs::PortSetupDialog", "Data bits"), "DataBits"},
    {PortSetting::StopBits, QT_TRANSLATE_NOOP("dialogs::PortSetupDialog", "Stop bits"), "StopBits"},
    {PortSetting::Parity, QT_TRANSLATE_NOOP("dialogs::PortSetupDialog", "Parity"), "Parity"},
    {PortSetting::FlowControl, QT_TRANSLATE_NOOP("dialogs::PortSetupDialog", "Flow control"), "FlowControl"},
}};

// The text forms of every value of an enumeration with count values.
template <typename Enum>
QStringList TextsOf(int count, std::string (*toStr)(Enum))
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << QString::fromStdString(toStr(static_cast<Enum>(i)));
    return texts;
}

QString CurrentText(PortSetting kind, const serial::SerialPort& port)
{
    switch (kind) {
    case PortSetting::Port:
        return QString::fromLocal8Bit(port.Port());
    case PortSetting::BaudRate:
        return QString::fromStdString(serial::BaudRateToStr(port.BaudRate()));
    case PortSetting::DataBits:
        return QString::fromStdString(serial::DataBitsToStr(port.DataBits()));
    case PortSetting::StopBits:
        return QString::fromStdString(serial::StopBitsToStr(port.StopBits()));
    case PortSetting::Parity:
        return QString::fromStdString(serial::ParityToStr(port.Parity().Bits()));
    case PortSetting::FlowControl:
        return QString::fromStdString(serial::FlowControlToStr(port.FlowControl().GetFlowControl()));
    }
    return {};
}

// The port's description in the operator's language where the port list
// words it itself.
QString DescriptionText(const serial::ComPortInfo& port)
{
    const QString vendor = QString::fromStdString(port.VendorId);
    const QString product = QString::fromStdString(port.ProductId);
    if (port.Description == serial::BuiltInPortDescription)
        return QCoreApplication::translate(Context, "built-in serial port");
    if (port.Description
        == std::string(serial::UnnamedUsbAdapterDescription) + " " + port.VendorId + ":" + port.ProductId)
        return QCoreApplication::translate(Context, "USB serial adapter %1:%2").arg(vendor, product);
    return QString::fromStdString(port.Description);
}

// What a port is, after its path: the list shows it, the tip adds the rest.
QString PortText(const serial::ComPortInfo& port)
{
    const QString path = QString::fromLocal8Bit(port.Path);
    if (!port.Present)
        return QCoreApplication::translate(Context, "%1 — not present").arg(path);
    if (port.Description.empty())
        return path;
    return path + QStringLiteral(" \u2014 ") + DescriptionText(port);
}

QString PortTip(const serial::ComPortInfo& port)
{
    QStringList lines = {QString::fromLocal8Bit(port.Path)};
    if (!port.StableName.empty())
        lines << QString::fromLocal8Bit(port.StableName);
    if (!port.SerialNumber.empty())
        lines
            << QCoreApplication::translate(Context, "serial number %1").arg(QString::fromStdString(port.SerialNumber));
    if (!port.VendorId.empty())
        lines << QCoreApplication::translate(Context, "USB id %1:%2")
                     .arg(QString::fromStdString(port.VendorId), QString::fromStdString(port.ProductId));
    return lines.join(u'\n');
}

} // namespace

PortSettingList::PortSettingList(PortSetting kind, QWidget* parent)
    : QComboBox(parent)
    , kind_(kind)
{
    setEditable(false);
    switch (kind) {
    case PortSetting::Port:
        ports_ = serial::DescribeComPorts();
        view()->setTextElideMode(Qt::ElideNone);
        for (const serial::ComPortInfo& port : ports_)
            AddPort(count(), port);
        break;
    case PortSetting::BaudRate:
        addItems(TextsOf<serial::BaudRateChoice>(serial::br256000 + 1, serial::BaudRateToStr));
        break;
    case PortSetting::DataBits:
        addItems(TextsOf<serial::DataBitsChoice>(serial::dbEight + 1, serial::DataBitsToStr));
        break;
    case PortSetting::StopBits:
        addItems(TextsOf<serial::StopBitsChoice>(serial::sbTwoStopBits + 1, serial::StopBitsToStr));
        break;
    case PortSetting::Parity:
        addItems(TextsOf<serial::ParityChoice>(serial::prSpace + 1, serial::ParityToStr));
        break;
    case PortSetting::FlowControl:
        addItems(TextsOf<serial::FlowControlChoice>(serial::fcCustom + 1, serial::FlowControlToStr));
        break;
    }
}

void PortSettingList::Bind(const serial::SerialPort& port)
{
    if (kind_ == PortSetting::Port) {
        const std::string name = port.Port();
        int index = findData(QByteArray::fromStdString(name));
        if (index < 0 && !name.empty()) {
            serial::AddCurrentComPort(ports_, name);
            AddPort(0, ports_.front());
            index = 0;
        }
        setCurrentIndex(index);
        return;
    }
    setCurrentIndex(findText(CurrentText(kind_, port)));
}

void PortSettingList::AddPort(int index, const serial::ComPortInfo& port)
{
    // The exact bytes of the path ride along, whatever their encoding.
    insertItem(index, PortText(port), QByteArray::fromStdString(port.Path));
    setItemData(index, PortTip(port), Qt::ToolTipRole);
    // The descriptions may be wider than the closed list.
    view()->setMinimumWidth(view()->sizeHintForColumn(0));
}

void PortSettingList::StoreTo(serial::SerialPort& port) const
{
    // Entries are in the order of their enumeration.
    const int index = currentIndex();
    const int value = index < 0 ? 0 : index;
    switch (kind_) {
    case PortSetting::Port:
        port.SetPort(index < 0 ? std::string() : currentData().toByteArray().toStdString());
        break;
    case PortSetting::BaudRate:
        port.SetBaudRate(static_cast<serial::BaudRateChoice>(value));
        break;
    case PortSetting::DataBits:
        port.SetDataBits(static_cast<serial::DataBitsChoice>(value));
        break;
    case PortSetting::StopBits:
        port.SetStopBits(static_cast<serial::StopBitsChoice>(value));
        break;
    case PortSetting::Parity:
        port.Parity().SetBits(static_cast<serial::ParityChoice>(value));
        break;
    case PortSetting::FlowControl:
        port.FlowControl().SetFlowControl(static_cast<serial::FlowControlChoice>(value));
        break;
    }
}

PortSetupDialog::PortSetupDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Setup"));
    // The program's font, like the main window; the layout below sizes every
    // label and list from it (never below the sizes of the classic 96 dpi
    // layout), so no caption is cut whatever face the font resolves to or
    // however long its translation.
    setFont(DialogFont());

    auto* group = new QGroupBox(tr(" Settings "), this);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(3);
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        const int row = static_cast<int>(i);
        auto* list = new PortSettingList(Rows[i].kind, group);
        list->setObjectName(Rows[i].objectName);
        list->setMinimumSize(129, 21);
        auto* label = new QLabel(tr(Rows[i].label), group);
        label->setMinimumSize(70, 21);
        // The label's text sits on the list's bottom line.
        label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        grid->addWidget(label, row, 0);
        grid->addWidget(list, row, 1);
        lists_[i] = list;
    }

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("OK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("Cancel");
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {ok, cancel}) {
        button->setMinimumSize(75, 25);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 6, 7);
    layout->setSpacing(7);
    layout->addWidget(group);
    layout->addLayout(buttons);
    // The dialog takes exactly the size its contents need, and keeps it.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->activate();
    CentreOnDesktop(*this);
}

void PortSetupDialog::Bind(const serial::SerialPort& port)
{
    for (PortSettingList* list : lists_)
        list->Bind(port);
}

void PortSetupDialog::StoreTo(serial::SerialPort& port) const
{
    port.BeginUpdate();
    std::exception_ptr failure;
    try {
        for (const PortSettingList* list : lists_)
            list->StoreTo(port);
    } catch (...) {
        failure = std::current_exception();
    }
    // The bracket is closed in any case; when storing failed, that first
    // failure is the one the operator is told about.
    try {
        port.EndUpdate();
    } catch (...) {
        if (!failure)
            throw;
    }
    if (failure)
        std::rethrow_exception(failure);
}

void EditPortSettings(serial::SerialPort& port)
{
    PortSetupDialog dialog;
    dialog.Bind(port);
    if (dialog.exec() == QDialog::Accepted)
        dialog.StoreTo(port);
}

void InstallPortSetupDialog()
{
    serial::SetComSetupDialog(EditPortSettings);
}

} // namespace dialogs
