#include "app/language.h"

#include <QCoreApplication>
#include <QDir>

namespace app {
namespace {

// Where the build embeds the .qm files: qem_<language>.qm (ours) and
// qtbase_<language>.qm (Qt's).
const QString TranslationsFolder = QStringLiteral(":/i18n");

// "de" of "de", "de_DE", "de-DE" or "DE-de".
QString PrimaryLanguage(const QString& name)
{
    return name.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
}

} // namespace

QStringList TranslatedLanguages()
{
    QStringList languages;
    for (const QString& file : QDir(TranslationsFolder).entryList({QStringLiteral("qem_*.qm")}, QDir::Files))
        languages << file.mid(4, file.size() - 7);
    return languages;
}

QString ChooseLanguage(const std::string& setting, const QStringList& desktopLanguages)
{
    const QString english = QStringLiteral("en");
    QStringList known = TranslatedLanguages();
    known << english;
    const QString asked = PrimaryLanguage(QString::fromStdString(setting).trimmed());
    if (known.contains(asked))
        return asked;
    for (const QString& desktop : desktopLanguages)
        if (known.contains(PrimaryLanguage(desktop)))
            return PrimaryLanguage(desktop);
    return english;
}

WindowLanguage::WindowLanguage(const QString& language)
{
    if (program_.load(QStringLiteral("qem_") + language, TranslationsFolder))
        QCoreApplication::installTranslator(&program_);
    if (toolkit_.load(QStringLiteral("qtbase_") + language, TranslationsFolder))
        QCoreApplication::installTranslator(&toolkit_);
}

WindowLanguage::~WindowLanguage()
{
    QCoreApplication::removeTranslator(&toolkit_);
    QCoreApplication::removeTranslator(&program_);
}

} // namespace app
