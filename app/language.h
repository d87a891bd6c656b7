#pragma once
// The window's language: the one the settings file asks for, else the
// desktop's, else English, the language the texts are written in. The
// program's translations and Qt's own (standard buttons, the file dialog)
// are embedded in the program (translations/), so nothing beside it is
// needed.

#include <QStringList>
#include <QTranslator>

#include <string>

namespace app {

// The languages the window is translated into, as two-letter codes ("de").
QStringList TranslatedLanguages();

// setting is the settings file's [Window] language= ("" when absent). When
// it names English or a translated language ("de", "de_DE" and "de-DE"
// alike, any case) that is the window's language; otherwise the first of
// the desktop's languages (most preferred first) that is English or
// translated; otherwise English.
QString ChooseLanguage(const std::string& setting, const QStringList& desktopLanguages);

// For as long as it lives, the application speaks the language: its own
// and Qt's translations are installed (none for English). Create it after
// the application and before the first widget.
class WindowLanguage {
public:
    explicit WindowLanguage(const QString& language);
    ~WindowLanguage();
    WindowLanguage(const WindowLanguage&) = delete;
    WindowLanguage& operator=(const WindowLanguage&) = delete;

private:
    QTranslator program_;
    QTranslator toolkit_;
};

} // namespace app
