// The phone book as the main window edits it. Its texts keep the window's
// translation context: to the translators they are the window's, whichever
// part of the code shows them.
#include "app/phonebookeditor.h"

#include "app/windowparts.h"
#include "phonebook/phonebookfile.h"
#include "phonelist/findbar.h"
#include "phonelist/phonebookhistory.h"
#include "phonelist/phonelisteditor.h"
#include "phonelist/relaytimeoutfield.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace app {
namespace {

QAction* Separator(QObject* parent)
{
    auto* separator = new QAction(parent);
    separator->setSeparator(true);
    return separator;
}

} // namespace

PhoneBookEditor::PhoneBookEditor(QWidget& window)
    : QObject(&window)
{
    BuildRelaySettingsBox(window);
    BuildPhonesBox(window);
    BuildEditActions(window);
}

void PhoneBookEditor::BuildRelaySettingsBox(QWidget& window)
{
    const QString title = QCoreApplication::translate("app::MainWindow", "Relay Settings");
    // A mnemonic in the caption, which stays "Relay Timeout (ms)" on screen.
    const QString timeoutCaption = QCoreApplication::translate("app::MainWindow", "Relay &Timeout (ms)");
    const QString switchCaption = QCoreApplication::translate("app::MainWindow", "Enable E&xternal Disconnection ");
    relaySettings_ = Named(new QGroupBox(title, &window), "GrB_RelaySettings");
    auto* label = Named(new QLabel(timeoutCaption, relaySettings_), "LBL_ReleTimeout");
    relayTimeout_ = Named(new phonelist::RelayTimeoutField(relaySettings_), "EDT_ReleTimeout");
    label->setBuddy(relayTimeout_);
    externalOff_ = Named(new QCheckBox(switchCaption, relaySettings_), "CHBX_EnableExternalOff");
    // The caption stands to the left of the box.
    externalOff_->setLayoutDirection(Qt::RightToLeft);
    auto* layout = new QGridLayout(relaySettings_);
    layout->setContentsMargins(17, 2, 17, 6);
    layout->setHorizontalSpacing(3);
    layout->setVerticalSpacing(10);
    layout->addWidget(label, 0, 0);
    layout->addWidget(relayTimeout_, 0, 1, Qt::AlignLeft);
    layout->setColumnStretch(2, 1);
    layout->addWidget(externalOff_, 1, 0, 1, 3, Qt::AlignLeft);
}

void PhoneBookEditor::BuildPhonesBox(QWidget& window)
{
    phones_ = Named(new QGroupBox(QCoreApplication::translate("app::MainWindow", "Phones"), &window), "GrB_Phones");
    phoneList_ = Named(new phonelist::PhoneListEditor(phones_), "VLE_Telefonai");
    // The list fills its box, however wide its columns were drawn.
    phoneList_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    findBar_ = new phonelist::FindBar(*phoneList_, phones_);
    auto* layout = new QVBoxLayout(phones_);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    layout->addWidget(phoneList_);
    layout->addWidget(findBar_);
}

void PhoneBookEditor::BuildEditActions(QWidget& window)
{
    history_ = new phonelist::PhoneBookHistory(*phoneList_, *relayTimeout_, *externalOff_, this);
    connect(history_, &phonelist::PhoneBookHistory::modifiedChanged, this, &PhoneBookEditor::modifiedChanged);
    auto* find = new QAction(QCoreApplication::translate("app::MainWindow", "&Find..."), this);
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, findBar_, &phonelist::FindBar::Open);
    // The keys act anywhere in the window; the list's menu offers them too.
    window.addActions({history_->UndoAction(), history_->RedoAction(), find});
    QAction* const firstOfList = phoneList_->actions().value(0);
    phoneList_->insertActions(firstOfList, {history_->UndoAction(), history_->RedoAction(), Separator(this)});
    phoneList_->addActions({Separator(this), find});
    auto* importCsv = new QAction(QCoreApplication::translate("app::MainWindow", "Import CSV..."), this);
    auto* exportCsv = new QAction(QCoreApplication::translate("app::MainWindow", "Export CSV..."), this);
    connect(importCsv, &QAction::triggered, this, &PhoneBookEditor::importCsvClicked);
    connect(exportCsv, &QAction::triggered, this, &PhoneBookEditor::exportCsvClicked);
    phoneList_->addActions({Separator(this), importCsv, exportCsv});
}

phonebook::PhoneBook PhoneBookEditor::EditedPhoneBook() const
{
    phonebook::PhoneBook book;
    book.numbers = phoneList_->Values();
    book.relayTimeout = phonebook::ParseRelayTimeout(relayTimeout_->text().toStdString()).stored;
    book.externalOff = externalOff_->isChecked();
    return book;
}

void PhoneBookEditor::ResetInvalidRelayTimeout()
{
    if (phonebook::ParseRelayTimeout(relayTimeout_->text().toStdString()).resetField)
        relayTimeout_->setText(QStringLiteral("0"));
}

void PhoneBookEditor::ShowPhoneBook(const std::vector<std::string>& numbers, std::optional<std::uint16_t> relayTimeout,
    std::optional<bool> externalOff)
{
    history_->Record([&] {
        std::vector<std::string> values = phoneList_->Values();
        std::copy_n(numbers.begin(), std::min(numbers.size(), values.size()), values.begin());
        phoneList_->SetValues(values);
        if (relayTimeout)
            relayTimeout_->setText(QString::number(*relayTimeout));
        if (externalOff)
            externalOff_->setChecked(*externalOff);
    });
}

void PhoneBookEditor::ClearAll()
{
    history_->Record([this] {
        phoneList_->ClearValues();
        relayTimeout_->setText(QStringLiteral("0"));
        externalOff_->setChecked(false);
    });
}

void PhoneBookEditor::BuildPhoneRows()
{
    phoneList_->BuildRows();
}

void PhoneBookEditor::MarkSaved()
{
    history_->MarkSaved();
}

void PhoneBookEditor::ResetHistory()
{
    history_->Reset();
}

bool PhoneBookEditor::IsModified() const
{
    return history_->IsModified();
}

void PhoneBookEditor::SetListEditable(bool editable)
{
    phoneList_->setEnabled(editable);
}

bool PhoneBookEditor::ListEditable() const
{
    return phoneList_->isEnabled();
}

} // namespace app
