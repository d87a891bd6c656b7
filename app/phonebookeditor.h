#pragma once
// The phone book as the main window edits it: the relay settings box (the
// time-out field and the external-disconnection switch) and the phones box
// (the 500 numbers and the find bar), the undo history over the three, and
// the edit actions. Undo, redo and find act anywhere in the window; the
// list's menu offers them too, and the CSV import and export, which are
// reported as signals for the window's file operations.
//
// Every change of the phone book is a step of the undo history (Ctrl+Z,
// Ctrl+Y or Ctrl+Shift+Z); a book shown whole (ShowPhoneBook: a file, the
// device, an import) and "Clear All" are one step each.
//
// Everything here runs on the window thread.

#include <QObject>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLineEdit;
namespace phonebook {
struct PhoneBook;
} // namespace phonebook
namespace phonelist {
class FindBar;
class PhoneBookHistory;
class PhoneListEditor;
} // namespace phonelist

namespace app {

class PhoneBookEditor : public QObject {
    Q_OBJECT
public:
    // Builds the two boxes in the window, in the order the keyboard focus
    // moves through them, and puts the edit actions in place.
    explicit PhoneBookEditor(QWidget& window);

    QGroupBox* RelaySettingsBox() const { return relaySettings_; }
    QGroupBox* PhonesBox() const { return phones_; }

    // The phone book as edited: the rows as they stand, gaps included, the
    // relay time-out as it is stored and the external-disconnection switch.
    phonebook::PhoneBook EditedPhoneBook() const;
    // After a save: a time-out the field could not hold reads "0".
    void ResetInvalidRelayTimeout();
    // Overwrites the rows one by one, without clearing the others first, and
    // the relay settings that are given.
    void ShowPhoneBook(const std::vector<std::string>& numbers, std::optional<std::uint16_t> relayTimeout,
        std::optional<bool> externalOff);
    // "Clear All": empties the phone book in the window only.
    void ClearAll();
    // Start-up: the phone list's 500 empty rows.
    void BuildPhoneRows();

    // The phone book as it stands is the current file's content (loaded or
    // saved).
    void MarkSaved();
    // After start-up's load: nothing to undo, nothing to save.
    void ResetHistory();
    // The phone book differs from the current file.
    bool IsModified() const;

    // The list is not editable while a device operation runs.
    void SetListEditable(bool editable);
    bool ListEditable() const;

signals:
    void modifiedChanged(bool modified);
    void importCsvClicked();
    void exportCsvClicked();

private:
    void BuildRelaySettingsBox(QWidget& window);
    void BuildPhonesBox(QWidget& window);
    void BuildEditActions(QWidget& window);

    QGroupBox* relaySettings_ = nullptr;
    QGroupBox* phones_ = nullptr;
    QLineEdit* relayTimeout_ = nullptr;
    QCheckBox* externalOff_ = nullptr;
    phonelist::PhoneListEditor* phoneList_ = nullptr;
    phonelist::FindBar* findBar_ = nullptr;
    phonelist::PhoneBookHistory* history_ = nullptr;
};

} // namespace app
