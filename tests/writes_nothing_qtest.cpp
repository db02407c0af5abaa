// SPDX-License-Identifier: MIT
// The program reads no files and writes none. A whole session (start with the
// About box, every quantity opened and used, the About box over a conversion
// screen, "System Info...", the constants screen, "Exit Program") runs with
// the home folder, the XDG folders, the temporary folder and the working
// directory all new and empty; afterwards every one of them is still empty,
// while the program runs and again after the application object is gone.
#include "catalogue.h"
#include "faces.h"
#include "initial_screen.h"
#include "modal_helpers.h"
#include "pictures.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace quantora;
using quantora::testing::onNextModal;

namespace {

namespace fs = std::filesystem;

// The folders the session may not write to, each set through its variable.
struct Folder {
    const char *variable; // nullptr: the working directory
    const char *name;
};
const Folder folders[] = {
    {"HOME", "home"},          {"XDG_CONFIG_HOME", "config"},  {"XDG_CACHE_HOME", "cache"},
    {"XDG_DATA_HOME", "data"}, {"XDG_STATE_HOME", "state"},    {"XDG_RUNTIME_DIR", "runtime"},
    {"TMPDIR", "tmp"},         {nullptr, "working-directory"},
};

// An empty folder: the PATH while the About box looks for a system-information
// program, so that none is found and started.
constexpr const char *emptyPath = "bin";

fs::path &sessionRoot()
{
    static fs::path root;
    return root;
}

// Every file and folder inside the session's folders, with its size.
QStringList writtenFiles()
{
    std::vector<fs::path> watched{sessionRoot() / emptyPath};
    for (const Folder &folder : folders)
        watched.push_back(sessionRoot() / folder.name);
    QStringList found;
    for (const fs::path &base : watched) {
        QDirIterator it(QString::fromStdString(base.string()),
                        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            found << QStringLiteral("%1 (%2 bytes)").arg(it.filePath()).arg(it.fileInfo().size());
        }
    }
    return found;
}

// After main() has returned and the application object is gone: a last look,
// then the folders go.
void checkAgainAndRemove()
{
    const QStringList found = writtenFiles();
    for (const QString &file : found)
        std::fprintf(stderr, "FAIL: written after the session: %s\n", qPrintable(file));
    std::error_code ignored;
    fs::current_path(sessionRoot().parent_path(), ignored);
    fs::remove_all(sessionRoot(), ignored);
    if (!found.isEmpty())
        std::_Exit(1);
}

} // namespace

class WritesNothingTest : public QObject {
    Q_OBJECT

public:
    // Runs before the application object exists, so that Qt itself sees only
    // the new folders.
    static void initMain();

private slots:
    void initTestCase();
    void wholeSessionWritesNothing();

private:
    void useEveryQuantity(InitialScreen &menu);
};

void WritesNothingTest::initMain()
{
    std::string pattern = (fs::temp_directory_path() / "quantora-writes-nothing-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        std::exit(1);
    }
    sessionRoot() = pattern;
    for (const Folder &folder : folders) {
        const fs::path path = sessionRoot() / folder.name;
        fs::create_directory(path);
        if (folder.variable)
            qputenv(folder.variable, QByteArray::fromStdString(path.string()));
    }
    fs::create_directory(sessionRoot() / emptyPath);
    // Qt accepts a runtime folder only when it is private to its owner.
    fs::permissions(sessionRoot() / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    fs::current_path(sessionRoot() / "working-directory");
    std::atexit(checkAgainAndRemove);
}

void WritesNothingTest::initTestCase()
{
    // As main() starts the program.
    design::installFontSubstitutions();
    QApplication::setWindowIcon(windowIcon());
    QCOMPARE(qEnvironmentVariable("HOME"), QString::fromStdString((sessionRoot() / "home").string()));
    QCOMPARE(QDir::currentPath(), QString::fromStdString((sessionRoot() / "working-directory").string()));
}

// Every quantity, by picture and by caption in turn: a value typed, another
// pasted, both units changed, and now and then an About box over the screen.
void WritesNothingTest::useEveryQuantity(InitialScreen &menu)
{
    int index = 0;
    for (const QuantityDef &quantity : catalogue()) {
        QString result;
        const auto seen = onNextModal([&](QWidget *screen) {
            auto *value = screen->findChild<QLineEdit *>("InitialValueTxt");
            auto *from = screen->findChild<QListWidget *>("InitialValueList");
            auto *to = screen->findChild<QListWidget *>("FinalValueList");
            value->selectAll();
            QTest::keyClicks(value, QStringLiteral("2.54"));
            QGuiApplication::clipboard()->setText(QStringLiteral("1e3"));
            QTest::keyClick(value, Qt::Key_V, Qt::ControlModifier);
            QTest::mouseClick(from->viewport(), Qt::LeftButton, {},
                              from->visualItemRect(from->item(from->count() - 1)).center());
            to->setFocus();
            QTest::keyClick(to, Qt::Key_Home);
            if (index % 8 == 0) {
                const auto about = onNextModal([](QWidget *box) { QTest::keyClick(box, Qt::Key_Return); }, screen);
                QTest::mouseDClick(screen, Qt::LeftButton, {}, QPoint(5, 5));
                QVERIFY(*about);
            }
            result = screen->findChild<QLabel *>("LblEqualTo")->text();
            QTest::mouseClick(screen->findChild<QPushButton *>("HideLengthScreen"), Qt::LeftButton);
        });
        const std::string &name = index % 2 ? quantity.label : quantity.button;
        QTest::mouseClick(menu.findChild<QWidget *>(QString::fromStdString(name)), Qt::LeftButton);
        QVERIFY2(*seen, name.c_str());
        QVERIFY2(!result.isEmpty(), name.c_str());
        ++index;
    }
}

void WritesNothingTest::wholeSessionWritesNothing()
{
    InitialScreen menu;
    auto seen = onNextModal([](QWidget *about) { QTest::keyClick(about, Qt::Key_Return); });
    menu.load();
    QVERIFY(*seen);

    useEveryQuantity(menu);

    for (const char *entry : {"CmdConstants", "LblConstants"}) {
        seen = onNextModal(
            [](QWidget *constants) { QTest::mouseClick(constants->findChild<QWidget *>("OKButton"), Qt::LeftButton); });
        QTest::mouseClick(menu.findChild<QWidget *>(entry), Qt::LeftButton);
        QVERIFY2(*seen, entry);
    }

    // "System Info..." with no system-information program to be found: the message.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString((sessionRoot() / emptyPath).string()));
    QString message;
    seen = onNextModal([&](QWidget *about) {
        const auto box = onNextModal(
            [&](QWidget *modal) {
                if (auto *messageBox = qobject_cast<QMessageBox *>(modal))
                    message = messageBox->text();
                QTest::keyClick(modal, Qt::Key_Return);
            },
            about);
        QTest::mouseClick(about->findChild<QPushButton *>("cmdSysInfo"), Qt::LeftButton);
        QVERIFY(*box);
        QTest::keyClick(about, Qt::Key_Escape);
    });
    QTest::mouseClick(menu.findChild<QWidget *>("Image1"), Qt::LeftButton);
    qputenv("PATH", path);
    QVERIFY(*seen);
    QCOMPARE(message, QStringLiteral("System Information Is Unavailable At This Time"));

    const QPoint background(668, 50);
    QVERIFY(!menu.childAt(background));
    seen = onNextModal([](QWidget *about) { QTest::keyClick(about, Qt::Key_Escape); });
    QTest::mouseClick(&menu, Qt::LeftButton, {}, background);
    QTest::mouseDClick(&menu, Qt::LeftButton, {}, background);
    QVERIFY(*seen);

    QTimer::singleShot(0, &menu,
                       [&menu] { QTest::mouseClick(menu.findChild<QAbstractButton *>("EndProgram"), Qt::LeftButton); });
    QTimer guard; // ends the loop with another status if Exit Program did not
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, this, [] { QCoreApplication::exit(1); });
    guard.start(10000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QCoreApplication::processEvents();

    const QStringList found = writtenFiles();
    QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("written: ") + found.join(QStringLiteral(", "))));
}

QTEST_MAIN(WritesNothingTest)
#include "writes_nothing_qtest.moc"
