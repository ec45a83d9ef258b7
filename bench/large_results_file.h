#pragma once

// A large results file for the benchmarks: 2000 runs of 200 rounds (about 17 MB),
// written once per process into a temporary folder.
#include "results/results_file.h"

#include <QFile>
#include <QTemporaryDir>

namespace bench {

constexpr int Runs = 2000;

struct LargeFile {
    QTemporaryDir dir;
    QString path;
    qint64 size = 0;

    LargeFile() {
        path = dir.filePath("Gross.dat");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return;
        RunRecord r;
        r.prname = "Z a v o r";
        r.svtime = "10.30";
        r.info1 = "Farbe/Wort";
        r.info2 = "Version 3";
        r.info3 = "Fester Rahmen";
        r.roundCount = MaxRounds;
        quint32 seed = 1;
        for (int run = 0; run < Runs; ++run) {
            r.svdate = QString("%1.%2.2024")
                           .arg(1 + run % 28, 2, 10, QChar('0'))
                           .arg(1 + run % 12, 2, 10, QChar('0'));
            r.prtkey = QString("Z-%1%2%3").arg(1 + run % 2).arg(1 + run % 4).arg(1 + run % 2);
            for (int k = 1; k <= MaxRounds; ++k) {
                seed = seed * 1103515245u + 12345u;
                const int target = 1 + int((seed >> 8) % 4);
                const int answer = int((seed >> 12) % 5); // 0: time-out
                r.items[k] = {target, answer, 60 + int((seed >> 16) % 2000), 1 + int((seed >> 20) % 4)};
            }
            file.write(FormatRunBlock(r));
        }
        size = file.size();
    }
};

LargeFile& File() {
    static LargeFile file;
    return file;
}

} // namespace bench
