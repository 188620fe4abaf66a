// quorvan-bench: drives the real handlers offscreen and prints, per operation,
// the median of several runs, and where an operation has one, the floor: the
// toolkit's own cost for the same widgets, measured in the same run.

#include "app/Application.h"
#include "commands/Commands.h"
#include "ladder/Fairness.h"
#include "ladder/Geometry.h"
#include "platform/QtPlatform.h"
#include "window/MainWindow.h"
#include "window/Spinner.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

using namespace quorvan;

namespace {

constexpr int Runs = 15;

// The desktop's own platform, except that the dialogs answer at once with
// the files below and an error ends the benchmark.
class BenchPlatform final : public QtPlatform {
public:
    void ShowErrorMessage(const QString& message) override
    {
        std::fprintf(stderr, "error: %s\n", qPrintable(message));
        if (!ErrorExpected)
            std::exit(1);
    }
    std::optional<QString> ChooseFileToOpen(const QString&, const QString&) override { return OpenFile; }
    std::optional<SaveChoice> ChooseFileToSave(const QString&, const QString&, const QString&) override
    {
        return SaveChoice{SaveFile};
    }
    int32_t UserLocaleId() override { return Locale ? *Locale : QtPlatform::UserLocaleId(); }
    QString HelperProgram(const QString& name) override
    {
        return Reader.isEmpty() ? QtPlatform::HelperProgram(name) : Reader;
    }

    QString Reader; // a stand-in for the workbook reader, when set
    bool ErrorExpected = false;
    QString OpenFile;
    QString SaveFile;
    std::optional<int32_t> Locale;
};

BenchPlatform platform;

double Milliseconds(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Runs `prepare` untimed, then `work` timed, Runs times; the median.
double Median(const std::function<void()>& prepare, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        prepare();
        times.push_back(Milliseconds(work));
        QApplication::processEvents();
    }
    std::nth_element(times.begin(), times.begin() + Runs / 2, times.end());
    return times[Runs / 2];
}

void Report(const char* name, double median)
{
    std::printf("%s: median %.2f ms\n", name, median);
    std::fflush(stdout);
}

void Report(const char* name, double median, double floor)
{
    std::printf("%s: median %.2f ms floor %.2f ms ratio %.2f\n", name, median, floor, median / floor);
    std::fflush(stdout);
}

// The window with its commands, shown.
struct Form {
    Form() : commands(window)
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            std::fprintf(stderr, "warning: window not exposed\n");
    }

    void Run(void (Commands::*command)())
    {
        commands.boundary().Run([&] { (commands.*command)(); });
    }

    MainWindow window{platform};
    Commands commands;
};

std::unique_ptr<Form> ShownWindow()
{
    return std::make_unique<Form>();
}

void ChooseCount(Form& form, int count)
{
    form.window.countSpinner()->requestPosition(count);
}

// The toolkit alone: `count` bare edit boxes created hidden, placed, named,
// emptied and shown in a bare scroll area.
double EditBoxFloor(int count)
{
    std::unique_ptr<QScrollArea> area;
    QWidget* content = nullptr;
    return Median(
        [&] {
            area = std::make_unique<QScrollArea>();
            content = new QWidget;
            content->resize(719, 10000);
            area->setWidget(content);
            area->resize(719, 510);
            area->show();
            (void)QTest::qWaitForWindowExposed(area.get());
        },
        [&] {
            for (int i = 0; i < count; ++i) {
                auto* box = new QLineEdit;
                box->hide();
                box->setParent(content);
                box->setGeometry(i % 2 ? 578 : 7, 111 + 10 * i, 121, 21);
                box->setObjectName(QStringLiteral("edit%1").arg(i));
                box->clear();
                box->show();
            }
        });
}

long PeakRssMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace

// Counts the longest time between two paints of a widget.
class PaintGaps : public QObject {
public:
    double Longest = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            if (since_.isValid())
                Longest = std::max(Longest, static_cast<double>(since_.nsecsElapsed()) / 1e6);
            since_.start();
        }
        return false;
    }

private:
    QElapsedTimer since_;
};

// quorvan-bench --hung-import: the longest time between two paints of the
// window, asked for every 10 ms, while a member import waits on a reader
// that never answers until the reading time (30 s) is up.
int HungImport()
{
    QTemporaryDir folder;
    platform.Reader = folder.filePath(QStringLiteral("reader"));
    QFile reader(platform.Reader);
    if (!reader.open(QIODevice::WriteOnly) || reader.write("#!/bin/sh\nexec sleep 100\n") < 0)
        return 1;
    reader.close();
    reader.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    platform.OpenFile = QStringLiteral(QUORVAN_BENCH_DATA "/members-10.xls");
    platform.ErrorExpected = true;
    const std::unique_ptr<Form> form = ShownWindow();
    PaintGaps gaps;
    form->window.installEventFilter(&gaps);
    QTimer frames;
    QObject::connect(&frames, &QTimer::timeout, &form->window, [&] { form->window.update(); });
    frames.start(10);
    const double took = Milliseconds([&] { form->Run(&Commands::onLoadMembers); });
    std::printf("hung-import: %.0f ms, longest paint gap %.1f ms\n", took, gaps.Longest);
    return 0;
}

// quorvan-bench --long-names: the peak memory of a window that loads a member
// list and a hit list of 15 MB each (480 names of 32,000 characters), builds
// and runs HIT-ALL.
int LongNames()
{
    QTemporaryDir folder;
    const auto list = [&](const char* name) {
        const QString path = folder.filePath(QLatin1String(name));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            for (int line = 0; line < MostMembers; ++line)
                file.write(QByteArray(32000, char('a' + line % 26)) + QByteArray::number(line) + "\r\n");
        return path;
    };
    const QString members = list("members.txt");
    const QString hits = list("hits.txt");
    const std::unique_ptr<Form> form = ShownWindow();
    ChooseCount(*form, 2);
    form->Run(&Commands::onSetUp);
    platform.OpenFile = members;
    form->Run(&Commands::onLoadMembers);
    platform.OpenFile = hits;
    form->Run(&Commands::onLoadHits);
    form->Run(&Commands::onBuild);
    form->Run(&Commands::onHitAll);
    form->window.grab();
    std::printf("long-names: peak-rss %ld MB\n", PeakRssMegabytes());
    return 0;
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ConfigureApplication(application);
    if (argc == 2 && QByteArray(argv[1]) == "--hung-import")
        return HungImport();
    if (argc == 2 && QByteArray(argv[1]) == "--long-names")
        return LongNames();

    std::unique_ptr<Form> form;
    Report("startup", Median([&] { form.reset(); }, [&] { form = ShownWindow(); }));

    Report("setup-480",
           Median(
               [&] {
                   form = ShownWindow();
                   ChooseCount(*form, MostMembers);
               },
               [&] { form->Run(&Commands::onSetUp); }),
           EditBoxFloor(2 * (MostMembers - 1)));

    Report("build-480", Median([] {}, [&] { form->Run(&Commands::onBuild); }));

    Report("hit-click-480",
           Median([] {}, [&] { form->commands.boundary().Run([&] { form->commands.onHitClicked(MostMembers); }); }));

    const auto builtWindow = [&] {
        form = ShownWindow();
        ChooseCount(*form, MostMembers);
        form->Run(&Commands::onSetUp);
        form->Run(&Commands::onBuild);
    };
    Report("hit-all-480", Median(builtWindow, [&] { form->Run(&Commands::onHitAll); }),
           EditBoxFloor(MostMembers));

    Report("reset-480", Median(
                            [&] {
                                builtWindow();
                                form->Run(&Commands::onHitAll);
                            },
                            [&] { form->Run(&Commands::onReset); }));

    QTemporaryDir folder;
    platform.OpenFile = folder.filePath(QStringLiteral("members.txt"));
    {
        QFile list(platform.OpenFile);
        if (!list.open(QIODevice::WriteOnly))
            return 1;
        for (int line = 1; line <= 600; ++line)
            list.write(QStringLiteral("Member %1\r\n").arg(line).toUtf8());
    }
    Report("import-text-480",
           Median([&] { form = ShownWindow(); }, [&] { form->Run(&Commands::onLoadMembers); }),
           EditBoxFloor(2 * (MostMembers - 1)));
    Report("shuffle-480", Median([] {}, [&] { form->Run(&Commands::onShuffleMembers); }));

    form->Run(&Commands::onBuild);
    form->Run(&Commands::onHitAll);
    platform.SaveFile = folder.filePath(QStringLiteral("result.txt"));
    Report("export-text-480", Median([] {}, [&] { form->Run(&Commands::onSaveText); }));

    // The same length of list in the Japanese code page, read by a Japanese user.
    platform.OpenFile = folder.filePath(QStringLiteral("members-cp932.txt"));
    {
        QFile list(platform.OpenFile);
        if (!list.open(QIODevice::WriteOnly))
            return 1;
        for (int line = 1; line <= 600; ++line)
            list.write(QByteArray("\x89\xEF\x88\xF5\x96\xBC ") + QByteArray::number(line) + "\r\n"); // 会員名 n
    }
    platform.Locale = LocaleJapanese;
    Report("import-cp932-480",
           Median([&] { form = ShownWindow(); }, [&] { form->Run(&Commands::onLoadMembers); }));
    platform.Locale.reset();

    // The same list of 600 in each kind of workbook; the .xlsx and .ods
    // imports are held to 1.5 times the .xls import's time.
    for (const char* kind : {"xlsx", "ods", "xls"}) {
        platform.OpenFile = QStringLiteral(QUORVAN_BENCH_DATA "/members-600.") + QLatin1String(kind);
        Report(qPrintable(QStringLiteral("import-%1-480").arg(QLatin1String(kind))),
               Median([&] { form = ShownWindow(); }, [&] { form->Run(&Commands::onLoadMembers); }),
               EditBoxFloor(2 * (MostMembers - 1)));
    }
    form->Run(&Commands::onBuild);
    form->Run(&Commands::onHitAll);
    const std::pair<const char*, QString> exports[] = {{"export-xls-480", QStringLiteral("result.xls")},
                                                        {"export-xlsx-480", QStringLiteral("result.xlsx")}};
    for (const auto& [name, file] : exports) {
        platform.SaveFile = folder.filePath(file);
        Report(name, Median([&] { QFile::remove(platform.SaveFile); },
                            [&] { form->Run(&Commands::onSaveWorkbook); }));
    }

    // The fairness view's whole computation, on every core: 10,000 ladders
    // made, followed and counted as drawn and after a shuffle.
    for (const auto& [name, members] : {std::pair{"fairness-30", 30}, std::pair{"fairness-480", MostMembers}}) {
        uint64_t seed = 0;
        Report(name, Median([] {}, [&] { (void)FairnessSimulation({{members, true}, 10000, ++seed, 0}).Wait(); }));
    }

    std::printf("peak-rss: %ld MB\n", PeakRssMegabytes());
    return 0;
}
