// The window's language: the choice between the settings file and the desktop, and the embedded
// translations reaching every caption of the window and Qt's own dialogs.
#include "app/language.h"

#include "tests/app/mainwindowfixture.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

#include <map>

namespace {

struct ChoiceCase {
    const char* name;
    std::string setting;
    QStringList desktop;
    QString expected;
};

class LanguageChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(LanguageChoiceTest, settingThenDesktopThenEnglish)
{
    const ChoiceCase& c = GetParam();
    EXPECT_EQ(app::ChooseLanguage(c.setting, c.desktop), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, LanguageChoiceTest,
    ::testing::Values(ChoiceCase{"desktopLanguage", "", {"de-DE", "de"}, "de"},
        ChoiceCase{"desktopRegionIgnored", "", {"lt-LT"}, "lt"},
        ChoiceCase{"firstKnownDesktopLanguage", "", {"fr-FR", "pl-PL", "ru-RU"}, "pl"},
        ChoiceCase{"englishDesktopBeforeATranslatedOne", "", {"en-GB", "de-DE"}, "en"},
        ChoiceCase{"unknownDesktopFallsBackToEnglish", "", {"fr-FR", "C"}, "en"},
        ChoiceCase{"noDesktopLanguage", "", {}, "en"},
        ChoiceCase{"settingOverridesDesktop", "lv", {"de-DE"}, "lv"},
        ChoiceCase{"settingEnForcesEnglish", "en", {"ru-RU"}, "en"},
        ChoiceCase{"settingWithRegionAndCase", " RU_ru ", {"en-US"}, "ru"},
        ChoiceCase{"settingWithDash", "de-AT", {}, "de"},
        ChoiceCase{"unknownSettingLeavesItToDesktop", "fr", {"lt-LT"}, "lt"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(TranslatedLanguages, areTheOnesTheWindowIsTestedIn)
{
    // textfit_test.cpp walks the window in each of them.
    EXPECT_EQ(app::TranslatedLanguages(), (QStringList{"de", "lt", "lv", "pl", "ru"}));
}

// The captions the window itself shows (its file dialogs are windows of their own), by widget:
// group boxes, buttons, labels and the phone list's column titles.
std::map<QString, QString> Captions(const QWidget& window)
{
    std::map<QString, QString> captions;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->window() != &window || qobject_cast<const app::CurrentFileLabel*>(widget) != nullptr)
            continue;
        QString caption;
        if (const auto* box = qobject_cast<const QGroupBox*>(widget))
            caption = box->title();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            caption = button->text();
        else if (const auto* label = qobject_cast<const QLabel*>(widget))
            caption = label->text();
        if (!caption.isEmpty())
            captions[widget->objectName()] = caption;
    }
    const QTableWidget& list = *PhoneList(static_cast<const app::MainWindow&>(window));
    captions[QStringLiteral("phone number column")] = list.horizontalHeaderItem(1)->text();
    return captions;
}

class TranslatedWindowTest : public MainWindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(TranslatedWindowTest, everyCaptionIsTranslated)
{
    PrepareStart(DefaultBook());
    Start();
    const std::map<QString, QString> english = Captions(*form);
    ASSERT_GE(english.size(), 10u);
    form.reset();
    {
        const app::WindowLanguage language(QString::fromLatin1(GetParam()));
        Start();
        const std::map<QString, QString> translated = Captions(*form);
        ASSERT_EQ(translated.size(), english.size());
        for (const auto& [name, caption] : english) {
            SCOPED_TRACE(name.toStdString());
            EXPECT_NE(translated.at(name), caption);
        }
        // Qt's own texts: the file dialogs' labels and the standard buttons.
        EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
        EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        form.reset();
    }
    // Back in English once the language object is gone.
    Start();
    EXPECT_EQ(Captions(*form), english);
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindowTest, ::testing::Values("de", "lt", "lv", "pl", "ru"));

} // namespace
