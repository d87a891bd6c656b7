// The makers of the main window's widgets.
#include "app/windowparts.h"

#include <QCoreApplication>
#include <QFile>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionButton>

namespace app {
namespace {

const QSize ClassicButton(105, 22);

} // namespace

QSize FittedSize(const QWidget& widget, QSize classic, const QRect& contentsAtClassic, const QString& text)
{
    const QSize around = classic - contentsAtClassic.size();
    const QSize needed = widget.fontMetrics().size(Qt::TextShowMnemonic, text) + around + QSize(4, 2);
    return classic.expandedTo(needed);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
    auto* button = Named(new QPushButton(caption, parent), name);
    button->setToolTip(hint);
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = QRect(QPoint(), ClassicButton);
    const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    button->setMinimumSize(FittedSize(*button, ClassicButton, contents, caption));
    return button;
}

void AddShortcut(QPushButton& button, const QKeySequence& keys)
{
    auto* shortcut = new QShortcut(keys, button.window());
    QObject::connect(shortcut, &QShortcut::activated, &button, [&button] {
        if (button.isEnabled())
            button.click();
    });
}

QFileDialog* MakePhoneBookDialog(QWidget* parent, const char* name, QFileDialog::AcceptMode mode)
{
    auto* dialog = Named(new QFileDialog(parent), name);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters({QCoreApplication::translate("app::MainWindow", "KAL Phone Book Files (*.kalc)"),
        QCoreApplication::translate("app::MainWindow", "All Files (*)")});
    if (mode == QFileDialog::AcceptSave)
        dialog->setDefaultSuffix(QStringLiteral("kalc"));
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    return dialog;
}

std::optional<std::string> ChooseFile(QFileDialog& dialog, const QString& title)
{
    // One open dialog serves two purposes; its title says which.
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

} // namespace app
