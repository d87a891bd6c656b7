// How long one compaction of the phone list takes with all 500 rows full:
// reading the rows out of the widget, the collect/sort/refill rule, and
// writing the changed rows back into the widget. The rows are refilled
// with an unsorted list before every run (not timed), so every run moves
// nearly every row.
//
//   build/bench/phonelist_compaction_bench [runs]

#include "phonebook/phonebookfile.h"
#include "phonelist/phonelisteditor.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;

    phonelist::PhoneListEditor list;
    list.resize(235, 271);
    list.BuildRows();
    list.show();
    QApplication::processEvents();

    std::mt19937 random(12345);
    std::uniform_int_distribution<int> digit(0, 9);
    std::vector<std::string> unsorted(PhoneSlotCount);
    for (std::string& number : unsorted) {
        number = "+370";
        while (number.size() < PhoneNumberLength)
            number.push_back(static_cast<char>('0' + digit(random)));
    }

    std::vector<double> micros;
    micros.reserve(runs);
    for (int run = 0; run < runs; ++run) {
        std::shuffle(unsorted.begin(), unsorted.end(), random);
        list.SetValues(unsorted);
        list.LastSelectedRow = 1 + run % PhoneSlotCount;
        const auto start = std::chrono::steady_clock::now();
        list.VLE_TelefonaiExit();
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        QApplication::processEvents(); // the repaints the writes asked for, outside the timing
    }

    std::sort(micros.begin(), micros.end());
    std::printf("compaction of %d full rows, %d runs: median %.0f us, 99th percentile %.0f us, max %.0f us\n",
        PhoneSlotCount, runs, micros[micros.size() / 2], micros[micros.size() * 99 / 100], micros.back());
    return 0;
}
