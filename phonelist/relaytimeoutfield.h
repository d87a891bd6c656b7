#pragma once
// The relay time-out field EDT_ReleTimeout: milliseconds as the file and the
// device keep them, 16 bits without sign, so 0 to 65535; empty is allowed
// (saved as 0). Digits of any script are taken as the ASCII digits, as in
// the phone list. Input that would leave the range is refused, and a tip
// under the field says what it takes, so a refused key is not a mystery.
// The field is always wide enough to show its widest value.

#include <QLineEdit>

namespace phonelist {

class RelayTimeoutField : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int Maximum = 65535;

    explicit RelayTimeoutField(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    // With nothing of its own to undo, the field leaves the undo keys to
    // the window (undokeys.h).
    bool event(QEvent* event) override;

private:
    void ShowRange();
};

} // namespace phonelist
