// quorvan-bench: drives the real handlers offscreen. Each line times what the
// user waits for: the handler, then the layout and paint it causes, until
// the event queue is idle. Where a line has a floor (the toolkit alone doing
// the same visible work), work and floor alternate round by round, so that
// both see the same load. Every line runs with the pointer away from the
// window and over it. Printed: min / median / max of each.
//
// With --callgrind, under `valgrind --tool=callgrind --collect-atstart=no`,
// each line and floor runs once and is counted alone (one dump each).

#include "VisibleControls.h"

#include "app/Application.h"
#include "commands/Commands.h"
#include "documents/DocumentTable.h"
#include "ladder/Fairness.h"
#include "ladder/Geometry.h"
#include "platform/QtPlatform.h"
#include "window/MainWindow.h"
#include "window/Spinner.h"
#include "window/StageCamera.h"
#include "window/StagePainter.h"
#include "ladder/NoDrawing.h"
#include "ladder/SeededGeneration.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <valgrind/callgrind.h>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

using namespace quorvan;

namespace {

int Runs = 15;
bool Callgrind = false;
QByteArray Only; // with --callgrind NAME or --only NAME: only the lines whose names begin so

// The desktop's own platform, except that the dialogs answer at once with
// the files below, questions are answered no (nothing saved, no earlier
// lottery restored), the autosave goes to a folder of its own, an error
// ends the benchmark, and the documents' functions are the ones linked in
// (there is no module beside the benchmark to load).
class BenchPlatform final : public QtPlatform {
public:
    BenchPlatform() { DetectEncodingsWith(DocumentTable().DetectEncoding); }
    const DocumentFunctions& Documents() override { return DocumentTable(); }
    bool AskYesNo(const QString&) override { return false; }
    SaveAnswer AskToSave(const QString&) override { return SaveAnswer::Discard; }
    bool AskWithDefault(const QString&, const QString&, const QString&) override { return false; }
    QString StateFolder() override { return stateFolder_.path(); }
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
    QString TextEncodingLocale() override { return TextLocale ? *TextLocale : QtPlatform::TextEncodingLocale(); }
    QString HelperProgram(const QString& name) override
    {
        return Reader.isEmpty() ? QtPlatform::HelperProgram(name) : Reader;
    }

    QString Reader; // a stand-in for the workbook reader, when set
    bool ErrorExpected = false;
    QString OpenFile;
    QString SaveFile;
    std::optional<QString> TextLocale; // LC_CTYPE, when set

private:
    QTemporaryDir stateFolder_;
};

// Made at first use, after the application, so that it installs the
// user's language as the program's platform does.
BenchPlatform& Platform()
{
    static BenchPlatform platform;
    return platform;
}

// Where the pointer is while a line runs.
enum class Pointer { Away, Over };
Pointer pointer = Pointer::Away;

// Puts the pointer over `point` of `widget`, or off every window.
void PlacePointer(const QWidget& widget, QPoint point)
{
    QCursor::setPos(pointer == Pointer::Over ? widget.mapToGlobal(point) : QPoint(-100, -100));
    QApplication::processEvents();
}

// The handler and everything it leaves queued: layout, paint.
void UntilIdle(const std::function<void()>& work)
{
    work();
    QApplication::sendPostedEvents();
    QApplication::processEvents();
}

double Milliseconds(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    UntilIdle(work);
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void Counted(const QByteArray& name, const std::function<void()>& work)
{
    CALLGRIND_ZERO_STATS;
    CALLGRIND_TOGGLE_COLLECT;
    UntilIdle(work);
    CALLGRIND_TOGGLE_COLLECT;
    CALLGRIND_DUMP_STATS_AT(name.constData());
}

struct Part {
    std::function<void()> prepare; // untimed, before each run
    std::function<void()> work;
};

struct Spread {
    double min, median, max;
};

Spread SpreadOf(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2], times.back()};
}

QByteArray LineName(const char* name)
{
    return QByteArray(name) + (pointer == Pointer::Over ? " pointer-over" : " pointer-away");
}

// Runs the line, and its floor where it has one, alternately.
void Line(const char* name, const Part& work, const std::optional<Part>& floor = std::nullopt)
{
    const QByteArray line = LineName(name);
    if (!QByteArray(name).startsWith(Only))
        return;
    if (Callgrind) {
        work.prepare();
        Counted(line, work.work);
        if (floor) {
            floor->prepare();
            Counted(line + " floor", floor->work);
        }
        std::printf("%s: counted\n", line.constData());
        std::fflush(stdout);
        return;
    }
    std::vector<double> times, floors;
    for (int run = 0; run < Runs; ++run) {
        work.prepare();
        times.push_back(Milliseconds(work.work));
        if (floor) {
            floor->prepare();
            floors.push_back(Milliseconds(floor->work));
        }
    }
    const Spread t = SpreadOf(times);
    std::printf("%s: min %.2f median %.2f max %.2f ms", line.constData(), t.min, t.median, t.max);
    if (floor) {
        const Spread f = SpreadOf(floors);
        std::printf("  floor min %.2f median %.2f max %.2f ms  ratio %.2f", f.min, f.median, f.max, t.median / f.median);
    }
    std::printf("\n");
    std::fflush(stdout);
}

// The window with its commands, shown.
struct Form {
    Form() : commands(window)
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            std::fprintf(stderr, "warning: window not exposed\n");
        // Over the rows, where the pointer is after a click on a command button.
        PlacePointer(*window.client(), QPoint(60, 200));
    }

    void Run(void (Commands::*command)())
    {
        commands.boundary().Run([&] { (commands.*command)(); });
    }

    MainWindow window{Platform()};
    Commands commands;
};

std::unique_ptr<Form> form;

void NewForm()
{
    form.reset();
    form = std::make_unique<Form>();
}

void ChooseCount(int count)
{
    form->window.countSpinner()->requestPosition(count);
}

// The toolkit alone, for the same visible work: a scrolled area of the
// window's size where the window's rows are, a column of `count` edit boxes
// with the rows' font built inside one hidden container, shown once, their
// texts set. With `reuse`, the boxes exist and only take their texts.
class EditBoxFloor {
public:
    EditBoxFloor(int columns, int count, bool reuse) : columns_(columns), count_(count), reuse_(reuse) {}

    void prepare()
    {
        if (!reuse_ || !area_) {
            area_ = std::make_unique<QScrollArea>();
            content_ = new QWidget;
            content_->resize(840, 10000);
            area_->setWidget(content_);
            area_->resize(840, 510);
            area_->show();
            (void)QTest::qWaitForWindowExposed(area_.get());
            columnWidgets_.clear();
            if (reuse_)
                fill({});
        }
        PlacePointer(*content_, QPoint(60, 200));
    }

    void fill(const QStringList& texts)
    {
        const bool build = columnWidgets_.empty();
        for (int c = 0; c < columns_; ++c) {
            QWidget* column = nullptr;
            if (build) {
                column = new QWidget;
                QFont font(QStringLiteral("IPAPMincho"));
                font.setPixelSize(13);
                column->setFont(font);
                column->setGeometry(7 + 571 * c, 111, 121, 20 * count_ + 1);
                column->setParent(content_);
                columnWidgets_.push_back(column);
            } else {
                column = columnWidgets_[static_cast<size_t>(c)];
            }
            for (int i = 0; i < count_; ++i) {
                QLineEdit* box = nullptr;
                if (build) {
                    box = new QLineEdit(column);
                    box->setGeometry(0, 20 * i, 121, 21);
                    box->setObjectName(QStringLiteral("edit%1_%2").arg(c).arg(i));
                } else {
                    box = static_cast<QLineEdit*>(column->children()[i]);
                }
                box->setText(i < texts.size() ? texts[i] : QString());
            }
            if (build)
                column->show();
        }
    }

private:
    int columns_, count_;
    bool reuse_;
    std::unique_ptr<QScrollArea> area_;
    QWidget* content_ = nullptr;
    std::vector<QWidget*> columnWidgets_;
};

Part Floor(int columns, int count, bool reuse, std::function<QStringList()> texts = {})
{
    auto floor = std::make_shared<EditBoxFloor>(columns, count, reuse);
    return {[floor] { floor->prepare(); }, [floor, texts] { floor->fill(texts ? texts() : QStringList()); }};
}

QStringList Names(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names.append(QStringLiteral("Member %1").arg(i));
    return names;
}

// The file read as plainly as the toolkit reads it: one name a line.
QStringList ReadLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).mid(0, MostMembers);
}

// The program's window as it first shows, told as plain controls (see
// VisibleControls.h) in the file at `path`.
bool WriteVisibleControls(const QString& path)
{
    NewForm();
    const QByteArray lines = bench::VisibleControls(form->window);
    form.reset();
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(lines) == lines.size() && file.flush();
}

// Start-up, each start a new process from exec to the first frame painted:
// the program itself (quorvan-startup-probe, its launcher's steps with the
// built modules) against a bare Qt Widgets window (quorvan-startup-floor), and
// against the same visible controls built with Qt alone
// (quorvan-startup-same-work). The program starts in a home of its own, as on
// a first start, with nothing kept from an earlier lottery to restore.
void StartupLines(const char* self)
{
    if (Callgrind) {
        std::printf("startup: run each child alone under callgrind (see README)\n");
        return;
    }
    auto home = std::make_shared<QTemporaryDir>();
    const QString controls = home->filePath(QStringLiteral("visible-controls"));
    if (!WriteVisibleControls(controls)) {
        std::printf("startup: the window's controls could not be written to %s\n", qPrintable(controls));
        return;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home->path());
    for (const char* kept : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"})
        environment.remove(QString::fromLatin1(kept));
    const QString folder = QFileInfo(QString::fromLocal8Bit(self)).absolutePath();
    const auto start = [home, environment, folder](const char* program, const QStringList& arguments) {
        return Part{[] {}, [home, environment, program = folder + '/' + QLatin1String(program), arguments] {
                        QProcess child;
                        child.setProcessEnvironment(environment);
                        child.start(program, arguments);
                        child.waitForFinished(-1);
                    }};
    };
    const Part program = start("quorvan-startup-probe", {});
    Line("startup", program, start("quorvan-startup-floor", {}));
    Line("startup-same-work", program, start("quorvan-startup-same-work", {controls}));
}

long PeakRssMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

void WriteList(const QString& path, const std::function<QByteArray(int)>& line)
{
    QFile list(path);
    if (!list.open(QIODevice::WriteOnly))
        std::exit(1);
    for (int row = 1; row <= 600; ++row)
        list.write(line(row));
}

void WindowLines(const QTemporaryDir& folder)
{
    const int rowBoxes = MostMembers - 1; // rows 2 .. 480 of each column

    Line("setup-480", {[] { NewForm(); ChooseCount(MostMembers); }, [] { form->Run(&Commands::onSetUp); }},
         Floor(2, rowBoxes, false));
    Line("setup-again-480", {[] {}, [] { form->Run(&Commands::onSetUp); }},
         Floor(2, rowBoxes, true));

    Line("build-480", {[] { NewForm(); ChooseCount(MostMembers); form->Run(&Commands::onSetUp); },
                       [] { form->Run(&Commands::onBuild); }});
    Line("hit-click-480", {[] {}, [] { form->commands.boundary().Run([] { form->commands.onHitClicked(MostMembers); }); }});

    const auto builtWindow = [] {
        NewForm();
        ChooseCount(MostMembers);
        form->Run(&Commands::onSetUp);
        form->Run(&Commands::onBuild);
    };
    Line("hit-all-480", {builtWindow, [] { form->Run(&Commands::onHitAll); }},
         Floor(1, MostMembers, false, [] { return Names(MostMembers); }));
    Line("hit-all-again-480", {[] {}, [] { form->Run(&Commands::onHitAll); }},
         Floor(1, MostMembers, true, [] { return Names(MostMembers); }));
    Line("reset-480", {[=] { builtWindow(); form->Run(&Commands::onHitAll); }, [] { form->Run(&Commands::onReset); }});

    Platform().OpenFile = folder.filePath(QStringLiteral("members.txt"));
    WriteList(Platform().OpenFile, [](int row) { return QStringLiteral("Member %1\r\n").arg(row).toUtf8(); });
    Line("import-text-480", {[] { NewForm(); }, [] { form->Run(&Commands::onLoadMembers); }},
         Floor(2, rowBoxes, false, [] { return ReadLines(Platform().OpenFile); }));
    Line("shuffle-480", {[] {}, [] { form->Run(&Commands::onShuffleMembers); }},
         Floor(1, MostMembers, true, [] { return Names(MostMembers); }));

    form->Run(&Commands::onBuild);
    form->Run(&Commands::onHitAll);
    Platform().SaveFile = folder.filePath(QStringLiteral("result.txt"));
    Line("export-text-480", {[] {}, [] { form->Run(&Commands::onSaveText); }});

    // The same length of list in the Japanese code page, read by a Japanese user.
    Platform().OpenFile = folder.filePath(QStringLiteral("members-cp932.txt"));
    WriteList(Platform().OpenFile, [](int row) {
        return QByteArray("\x89\xEF\x88\xF5\x96\xBC ") + QByteArray::number(row) + "\r\n"; // 会員名 n
    });
    Platform().TextLocale = QStringLiteral("ja_JP.UTF-8");
    Line("import-cp932-480", {[] { NewForm(); }, [] { form->Run(&Commands::onLoadMembers); }});
    Platform().TextLocale.reset();

    // The same list of 600 in each kind of workbook.
    for (const char* kind : {"xlsx", "ods", "xls"}) {
        const QString file = QStringLiteral(QUORVAN_BENCH_DATA "/members-600.") + QLatin1String(kind);
        Line(qPrintable(QStringLiteral("import-%1-480").arg(QLatin1String(kind))),
             {[file] { Platform().OpenFile = file; NewForm(); }, [] { form->Run(&Commands::onLoadMembers); }});
    }
    form->Run(&Commands::onBuild);
    form->Run(&Commands::onHitAll);
    const std::pair<const char*, QString> exports[] = {{"export-xls-480", QStringLiteral("result.xls")},
                                                        {"export-xlsx-480", QStringLiteral("result.xlsx")}};
    for (const auto& [name, file] : exports) {
        Platform().SaveFile = folder.filePath(file);
        Line(name, {[] { QFile::remove(Platform().SaveFile); }, [] { form->Run(&Commands::onSaveWorkbook); }});
    }
    form.reset();
}

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
    Platform().Reader = folder.filePath(QStringLiteral("reader"));
    QFile reader(Platform().Reader);
    if (!reader.open(QIODevice::WriteOnly) || reader.write("#!/bin/sh\nexec sleep 100\n") < 0)
        return 1;
    reader.close();
    reader.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    Platform().OpenFile = QStringLiteral(QUORVAN_BENCH_DATA "/members-10.xls");
    Platform().ErrorExpected = true;
    form = std::make_unique<Form>();
    PaintGaps gaps;
    form->window.installEventFilter(&gaps);
    QTimer frames;
    QObject::connect(&frames, &QTimer::timeout, &form->window, [&] { form->window.update(); });
    frames.start(10);
    const double took = Milliseconds([&] { form->Run(&Commands::onLoadMembers); });
    std::printf("hung-import: %.0f ms, longest paint gap %.1f ms\n", took, gaps.Longest);
    form.reset();
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
    NewForm();
    ChooseCount(2);
    form->Run(&Commands::onSetUp);
    Platform().OpenFile = members;
    form->Run(&Commands::onLoadMembers);
    Platform().OpenFile = hits;
    form->Run(&Commands::onLoadHits);
    form->Run(&Commands::onBuild);
    form->Run(&Commands::onHitAll);
    form->window.grab();
    std::printf("long-names: peak-rss %ld MB\n", PeakRssMegabytes());
    return 0;
}

// Stage frames at 1920 × 1080 while the eleventh prize's path is drawn, ten
// revealed before it: each run is the next frame at 60 frames a second of a
// 3-second path, the view following the marker as the stage does.
void StageFrameLines()
{
    for (const auto& [name, rows] : {std::pair{"stage-frame-480", MostMembers}, std::pair{"stage-frame-30", 30}}) {
        Ladder grid;
        NoDrawing nowhere;
        GenerateLadderFromSeed(LadderShape{rows, false}, 1, grid, nowhere);
        StageScene scene;
        scene.Rows = rows;
        for (int32_t row = 1; row <= rows; ++row) {
            scene.Members << QStringLiteral("Member %1").arg(row);
            scene.Prizes << QStringLiteral("Prize %1").arg(row);
        }
        scene.Built = true;
        PutLadder(scene, grid, rows);
        for (int32_t hit = 1; hit <= 11; ++hit)
            scene.Revealed.push_back(hit);
        StageFrame frame;
        frame.RunningHit = 11;
        frame.Moving = true;
        QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
        StagePainter stage;
        // A frame of the camera following the marker, past the zoom at the path's start.
        frame.Progress = 0.5;
        Line(name, {[] {}, [&] {
                   frame.Progress += 1.0 / 180;
                   FollowPath(frame, rows, scene.Paths[10], frame.Progress, StageFrame{});
                   QPainter painter(&image);
                   stage.Paint(painter, image.size(), scene, frame);
               }});
        // A frame of the zoom from the whole ladder to the marker: the still parts drawn anew at each scale.
        const QByteArray zoom = QByteArray(name).replace("frame", "zoom");
        double zoomed = 0;
        Line(zoom.constData(), {[] {}, [&] {
                   zoomed += 0.3 / Runs;
                   FollowPath(frame, rows, scene.Paths[10], zoomed, StageFrame{});
                   QPainter painter(&image);
                   stage.Paint(painter, image.size(), scene, frame);
               }});
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    Callgrind = mode == "--callgrind";
    if (Callgrind)
        Runs = 1;
    if (Callgrind || mode == "--only")
        Only = argc > 2 ? QByteArray(argv[2]) : QByteArray();

    QApplication application(argc, argv);
    ConfigureApplication(application);
    if (mode == "--hung-import")
        return HungImport();
    if (mode == "--long-names")
        return LongNames();
    if (mode == "--visible-controls" && argc > 2)
        return WriteVisibleControls(QString::fromLocal8Bit(argv[2])) ? 0 : 2;
    QTemporaryDir folder;

    if (QByteArray("startup").startsWith(Only))
        StartupLines(argv[0]);
    // The stage's lines stand alone: --only stage- times them without the window's.
    for (const Pointer where : {Pointer::Away, Pointer::Over}) {
        if (Only.startsWith("stage-"))
            break;
        pointer = where;
        WindowLines(folder);
    }

    // The fairness view's whole computation, on every core: 10,000 ladders
    // made, followed and counted as drawn and after a shuffle; timed only.
    pointer = Pointer::Away;
    for (const auto& [name, members] : {std::pair{"fairness-30", 30}, std::pair{"fairness-480", MostMembers}}) {
        if (Callgrind)
            break;
        uint64_t seed = 0;
        Line(name, {[] {}, [&] { (void)FairnessSimulation({{members, true}, 10000, ++seed, 0}).Wait(); }});
    }

    StageFrameLines();

    std::printf("peak-rss: %ld MB\n", PeakRssMegabytes());
    return 0;
}
