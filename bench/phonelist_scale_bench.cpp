// The phone list at an installer's scale, widget and undo history included
// as the window wires them:
// - a paste of 500 lines written as people write them (normalising, the
//   compaction after it, the duplicate marks, the undo step), goal < 50 ms;
// - the undo of that paste, goal < 20 ms;
// - the duplicate marks of a full list (FindDuplicateNumbers) and a whole
//   cell move in a full list (compaction, marks, undo step), goal < 2 ms.
//
//   build/bench/phonelist_scale_bench [runs]

#include "phonebook/duplicatenumbers.h"
#include "phonebook/phonebookfile.h"
#include "phonelist/phonebookhistory.h"
#include "phonelist/phonelisteditor.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

struct Timings {
    const char* what;
    std::vector<double> micros;

    void Time(const std::function<void()>& step)
    {
        const auto start = std::chrono::steady_clock::now();
        step();
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        QApplication::processEvents(); // the repaints the step asked for, outside the timing
    }

    void Print()
    {
        std::sort(micros.begin(), micros.end());
        std::printf("%s, %zu runs: median %.0f us, 99th percentile %.0f us, max %.0f us\n", what, micros.size(),
            micros[micros.size() / 2], micros[micros.size() * 99 / 100], micros.back());
    }
};

// 500 lines in the forms a spreadsheet column holds, every tenth number twice.
QString SpreadsheetColumn(std::mt19937& random)
{
    std::uniform_int_distribution<int> digit(0, 9);
    const char* const forms[] = {"+370 6%1 %2", "8-6%1-%2", "(8) 6%1.%2", "86%1%2"};
    QStringList lines;
    for (int line = 0; line < phonebook::PhoneSlotCount; ++line) {
        QString group;
        for (int n = 0; n < 5; ++n)
            group += QChar(u'0' + digit(random));
        const int number = line % 10 == 9 ? line - 1 : line;
        lines << QString::fromLatin1(forms[line % 4]).arg(number % 100, 2, 10, QLatin1Char('0')).arg(group);
    }
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace

int main(int argc, char* argv[])
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    QWidget window;
    auto* list = new phonelist::PhoneListEditor(&window);
    list->setGeometry(0, 0, 235, 271);
    list->BuildRows();
    auto* relayTimeout = new QLineEdit(&window);
    auto* externalOff = new QCheckBox(&window);
    phonelist::PhoneBookHistory history(*list, *relayTimeout, *externalOff, &window);
    window.show();
    QApplication::processEvents();

    std::mt19937 random(12345);
    Timings paste{"paste of 500 lines (normalise, compact, mark, undo step)", {}};
    Timings undo{"undo of that paste", {}};
    Timings marks{"duplicate marks of 500 full rows", {}};
    Timings move{"cell move in 500 full rows (compact, mark, undo step)", {}};
    for (int run = 0; run < runs; ++run) {
        const QString column = SpreadsheetColumn(random);
        list->setCurrentCell(0, phonelist::PhoneListEditor::ValueColumn);
        paste.Time([&] { list->Paste(column); });
        undo.Time([&] { history.Undo(); });
        history.Redo();
        const std::vector<std::string> full = list->Values();
        marks.Time([&] { phonebook::FindDuplicateNumbers(full); });
        move.Time([&] {
            list->setCurrentCell(1 + run % (phonebook::PhoneSlotCount - 1), phonelist::PhoneListEditor::ValueColumn);
        });
        list->ClearValues();
        history.Reset();
    }
    for (Timings* timings : {&paste, &undo, &marks, &move})
        timings->Print();
    return 0;
}
