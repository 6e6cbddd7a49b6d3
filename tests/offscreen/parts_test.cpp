// The window's small parts: drawn lines as pixels, the flight's wait, the picture
// cache, the settings file's and the data folder's places, the toolkit's answers and
// the session bus's word on a global menu.
#include <dbus/dbus.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <QPainter>
#include <QRegularExpression>
#include <QStandardPaths>

#include "app/file_read.h"
#include "app/picture_file.h"
#include "app/step_pacer.h"
#include "support/machine.h"
#include "tools/window_driver/window_harness.h"
#include "window/data_folder.h"
#include "window/drawn_lines.h"
#include "window/global_menu.h"
#include "window/picture_cache.h"
#include "window/settings_location.h"
#include "window/sound_output.h"

namespace plonk::test {
namespace {

TEST(DrawnLines, RunFromTheFirstPointUpToButNotIncludingTheLast) {
    struct Case {
        Drawn_Line line;
        std::vector<Line_Pixel> pixels;
    };
    const Case cases[] = {
        {{0, 2, 4, 2, 0}, {{0, 2}, {1, 2}, {2, 2}, {3, 2}}},
        {{3, 0, 3, 3, 0}, {{3, 0}, {3, 1}, {3, 2}}},
        {{4, 1, 1, 1, 0}, {{4, 1}, {3, 1}, {2, 1}}},
        {{0, 0, 3, 3, 0}, {{0, 0}, {1, 1}, {2, 2}}},
        {{0, 0, 6, 2, 0}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}}},
        {{5, 5, 5, 5, 0}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.line.X1 << "," << c.line.Y1 << "-" << c.line.X2 << "," << c.line.Y2);
        EXPECT_EQ(Line_Pixels(c.line), c.pixels);
    }
}

TEST(StepWait, LastsInProportionToTheIterations) {
    struct Case {
        int rounds;
        long iterations;
        int64_t ns;
    };
    const Case cases[] = {
        {1, 160 * 50, 500'000},  // a step in the open at speed 50: half a millisecond
        {2, 80 * 50, 500'000},   // half the iterations near an obstacle, two rounds
        {10, 160 * 50, 5'000'000}, {1, 1, 63}, {0, 8000, 0}, {-1, 8000, 0}, {3, 0, 0}, {3, -160, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Step_Wait_Nanoseconds(c.rounds, c.iterations), c.ns) << c.rounds << " x " << c.iterations;
}

TEST(PictureCache, DecodesEachFileOnceAndRemembersFailures) {
    App();
    Program_Folder folder;
    Picture_Cache cache;
    const QPixmap& first = cache.Get(folder.File("Digit_3.bmp"));
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first.size(), QSize(7, 13));
    EXPECT_EQ(cache.Get(folder.File("Digit_3.bmp")).cacheKey(), first.cacheKey());
    EXPECT_EQ(cache.Size(), 1);
    EXPECT_FALSE(cache.Loads(folder.File("No_Such_Picture.bmp")));
    EXPECT_FALSE(cache.Loads(folder.File("Plonk.ini")));
    EXPECT_EQ(cache.Size(), 3);
    // Decoded by the kind the name says; a name that lies is decoded by the contents.
    EXPECT_EQ(cache.Get(folder.File("07-on.gif")).size(),
              QImage(QString::fromStdString(folder.File("07-on.gif"))).size());
    ASSERT_TRUE(QFile::copy(QString::fromStdString(folder.File("07-on.gif")),
                            QString::fromStdString(folder.File("Gif_Named.bmp"))));
    EXPECT_TRUE(cache.Loads(folder.File("Gif_Named.bmp")));
}

// A picture painted from the cache gives the pixels the file holds; one of no more
// than 256 colours is kept a byte a pixel.
TEST(PictureCache, KeepsFewColouredPicturesSmallAndPaintsTheirPixels) {
    App();
    Program_Folder folder;
    // Over 256 colours, and a see-through picture of a few, beside the machine's own.
    QImage many(40, 10, QImage::Format_RGB32);
    for (int y = 0; y < many.height(); ++y)
        for (int x = 0; x < many.width(); ++x) many.setPixel(x, y, qRgb(x * 6, y * 25, (x * y) % 256));
    ASSERT_TRUE(many.save(QString::fromStdString(folder.File("Many.png"))));
    QImage clear(9, 9, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    for (int k = 0; k < 9; ++k) clear.setPixel(k, k, qRgba(200, 30, 30, 255));
    clear.setPixel(0, 8, qRgba(0, 0, 255, 128));
    ASSERT_TRUE(clear.save(QString::fromStdString(folder.File("Clear.png"))));
    const struct {
        const char* file;
        bool byte_a_pixel;
    } cases[] = {{"Scherm.bmp", true},
                 {"07-on.gif", true},
                 {"WitteScore_3.bmp", true},
                 {"Many.png", false},
                 {"Clear.png", true}};
    Picture_Cache cache;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const QImage file = QImage(QString::fromStdString(folder.File(c.file)));
        const QPixmap& kept = cache.Get(folder.File(c.file));
        ASSERT_FALSE(kept.isNull());
        EXPECT_EQ(kept.depth() == 8, c.byte_a_pixel);
        // Painted over a colour, as the screen paints it.
        const auto painted = [](const QImage& picture) {
            QImage canvas(picture.size(), QImage::Format_RGB32);
            canvas.fill(qRgb(10, 120, 40));
            QPainter(&canvas).drawImage(0, 0, picture);
            return canvas;
        };
        EXPECT_EQ(painted(kept.toImage()), painted(file));
    }
}

// The machine's own pictures are decoded straight to a byte a pixel, to the very
// colours the image readers give; a picture in any other form is left to them.
TEST(PictureCache, DecodesTheMachinesOwnPicturesAsTheImageReadersDo) {
    App();
    const QDir bin(PLONK_BIN_DIR);
    const QStringList files = bin.entryList({"*.bmp", "*.gif"}, QDir::Files);
    ASSERT_GT(files.size(), 100);
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        const std::optional<Paletted_Picture> p =
            Decode_Paletted(Read_Whole(bin.filePath(name).toStdString(), 1 << 26).Bytes);
        ASSERT_TRUE(p.has_value());
        QImage ours(p->Width, p->Height, QImage::Format_ARGB32);
        for (int y = 0; y < p->Height; ++y)
            for (int x = 0; x < p->Width; ++x)
                ours.setPixel(x, y, p->Colours[p->Pixels[static_cast<size_t>(y) * p->Width + x]]);
        EXPECT_EQ(ours, QImage(bin.filePath(name)).convertToFormat(QImage::Format_ARGB32));
    }
    // Other forms and damaged files: a BMP of 16 bits or compressed, one of 24 bits
    // with over 256 colours, a pixel past the palette; an interlaced GIF, one whose
    // image does not fill its screen, one whose data ends early or holds a code not yet
    // made.
    const std::string bmp = Read_Whole(bin.filePath("RodeScore_0.bmp").toStdString(), 1 << 20).Bytes;
    const std::string gif = Read_Whole(bin.filePath("07-on.gif").toStdString(), 1 << 20).Bytes;
    ASSERT_EQ(bmp[28], 24);
    // The image's descriptor, after the block that tells the see-through colour.
    const size_t image = gif.find(',');
    ASSERT_EQ(gif.compare(image - 8, 3, "\x21\xF9\x04"), 0);
    const auto changed = [](std::string b, size_t at, const std::string& with) {
        return b.replace(at, with.size(), with);
    };
    std::string colourful = bmp;
    for (size_t i = 54; i < colourful.size(); ++i) colourful[i] = static_cast<char>(i * i >> 3);
    const std::string cases[] = {changed(bmp, 28, std::string("\x10", 1)),
                                 changed(bmp, 30, std::string("\x01", 1)),
                                 colourful,
                                 changed(Read_Whole(bin.filePath("Scherm.bmp").toStdString(), 1 << 20).Bytes,
                                         46, std::string("\x02", 1)),
                                 changed(gif, image + 9, std::string("\x40", 1)),
                                 changed(gif, image + 5, std::string("\x01", 1)),
                                 gif.substr(0, gif.size() - 8),
                                 changed(gif, image + 12, std::string("\xFF\xFF", 2))};
    for (const std::string& c : cases) EXPECT_FALSE(Decode_Paletted(c).has_value()) << &c - cases;
}

TEST(SettingsLocation, IsAFolderPlonkInTheUsersConfigurationFolder) {
    App();
    QTemporaryDir home;
    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", (home.path() + "/conf").toUtf8());
    const std::string path = Settings_File_Path();
    if (old.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", old);
    EXPECT_EQ(path, home.path().toStdString() + "/conf/plonk/Plonk.ini");
    EXPECT_TRUE(QDir(home.path() + "/conf/plonk").exists());
}

TEST(SettingsLocation, FollowsTheBaseDirectoryRulesByteForByte) {
    const std::string user_home = Config_Folder(nullptr, nullptr);
    ASSERT_EQ(user_home.rfind('/', 0), 0u) << "the user database gives an absolute home";
    const struct {
        const char* xdg;
        const char* home;
        std::string folder;
    } cases[] = {
        {"/etc/xdg-conf", "/home/ann", "/etc/xdg-conf"},
        {"relative/conf", "/home/ann", "/home/ann/.config"},
        {"", "/home/ann/", "/home/ann/.config"},
        {nullptr, "/home/caf\xE9", "/home/caf\xE9/.config"},
        {"/srv/\xFF\xFE", nullptr, "/srv/\xFF\xFE"},
        {nullptr, nullptr, user_home},
        {nullptr, "", user_home},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Config_Folder(c.xdg, c.home), c.folder) << (c.xdg ? c.xdg : "(unset)");
    EXPECT_EQ(user_home.substr(user_home.size() - 8), "/.config");

    // A folder name that is not UTF-8 is made and used as it is.
    QTemporaryDir home;
    const std::string conf = home.path().toStdString() + "/caf\xE9";
    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(conf));
    const std::string path = Settings_File_Path();
    qputenv("XDG_CONFIG_HOME", old);
    if (old.isNull()) qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(path, conf + "/plonk/Plonk.ini");
    struct stat st {};
    EXPECT_EQ(::stat((conf + "/plonk").c_str(), &st), 0);
}

TEST(Toolkit, APictureThatDoesNotLoadIsToldWithTheReason) {
    App();
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    ::mkdir(t.Folder.File("Folder.bmp").c_str(), 0755);
    std::ofstream(t.Folder.File("Text.bmp")) << "not a picture";
    // Pictures cut short, as a copy that stopped half-way leaves them.
    for (const auto& [whole, cut] : {std::pair<std::string, std::string>{"Scherm.bmp", "Half.bmp"},
                                     {"Kracht.bmp", "Header.bmp"},
                                     {"01-off.gif", "Half.gif"}}) {
        const std::string bytes = Read_File(t.Folder.File(whole));
        ASSERT_FALSE(bytes.empty()) << whole;
        Write_File(t.Folder.File(cut), bytes.substr(0, cut == "Header.bmp" ? 40 : bytes.size() / 2));
    }
    const struct {
        const char* name;
        std::string problem;
    } cases[] = {
        {"Kracht.bmp", ""},
        {"Nothing.bmp", role::Screen::Picture_Missing},
        {"Folder.bmp", "The file cannot be read: it is not a regular file"},
        {"Text.bmp", "The picture cannot be decoded: "},
        {"Half.bmp", "The picture cannot be decoded: the file is shorter than its header says"},
        {"Header.bmp", "The picture cannot be decoded: the file is shorter than its header says"},
        {"Half.gif", "The picture cannot be decoded: the file is shorter than its header says"},
        {"01-off.gif", ""},
    };
    for (const auto& c : cases) {
        const std::string problem = t.W->Picture_Problem(t.Folder.File(c.name));
        EXPECT_EQ(problem.substr(0, c.problem.size()), c.problem) << c.name;
        EXPECT_EQ(problem.empty(), c.problem.empty()) << c.name;
        EXPECT_EQ(t.W->Can_Load_Picture(t.Folder.File(c.name)), c.problem.empty()) << c.name;
    }
}

TEST(Toolkit, AnswersFromTheWindow) {
    Window_Under_Test t;
    ASSERT_EQ(t.Start(), -1);
    Main_Window& w = *t.W;
    EXPECT_TRUE(
        QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(QString::fromStdString(w.Time_Text())).hasMatch())
        << w.Time_Text();
    EXPECT_FALSE(w.Space_Down());  // no keyboard state on the offscreen platform
    EXPECT_EQ(w.Program_Folder(), t.Folder.Path());
    EXPECT_EQ(t.M().App_Folder, t.Folder.Path());
    EXPECT_TRUE(w.Can_Load_Picture(t.Folder.File("Kracht.bmp")));
    EXPECT_FALSE(w.Can_Load_Picture(t.Folder.File("Nothing.bmp")));
    EXPECT_NE(w.Clock_Seed(), 0u);
}

// A sound back end that records what it is asked.
struct Recording_Sound : Sound_Output {
    std::vector<std::string>* log;
    explicit Recording_Sound(std::vector<std::string>* l) : log(l) {}
    bool Open() override {
        log->push_back("open");
        return true;
    }
    bool Ready() const override { return true; }
    int32_t Load(const std::string& path) override {
        log->push_back("load " + path.substr(path.find_last_of('/') + 1));
        return 7;
    }
    void Play(int32_t handle) override { log->push_back("play " + std::to_string(handle)); }
    void Close() override { log->push_back("close"); }
};

TEST(Toolkit, SoundGoesToTheBackEndFromOpenToClose) {
    App();
    std::vector<std::string> log;
    {
        Window_Options o;
        o.Sound = std::make_unique<Recording_Sound>(&log);
        Main_Window w(std::move(o));
        w.Sound_Owner();
        EXPECT_TRUE(w.Sound_Ready());
        EXPECT_EQ(w.Sound_Load("/x/Shoot.wav"), 7);
        w.Sound_Play(7);
    }
    EXPECT_EQ(log, (std::vector<std::string>{"open", "load Shoot.wav", "play 7", "close"}));

    No_Sound none;
    EXPECT_FALSE(none.Open());
    EXPECT_FALSE(none.Ready());
    EXPECT_LT(none.Load("/x/Shoot.wav"), 0);
}

TEST(DataFolder, IsBesideTheProgramElseTheInstalledOne) {
    // Where the zone map lies (beside the program, installed) and the folder found.
    const std::tuple<bool, bool, const char*> cases[] = {
        {true, false, "bin"}, {true, true, "bin"}, {false, true, "share/plonk"}, {false, false, "bin"}};
    for (const auto& [beside, installed, found] : cases) {
        QTemporaryDir root;
        QDir(root.path()).mkpath("bin");
        QDir(root.path()).mkpath("share/plonk");
        if (beside) QFile(root.filePath("bin/Veld.bmp")).open(QIODevice::WriteOnly);
        if (installed) QFile(root.filePath("share/plonk/Veld.bmp")).open(QIODevice::WriteOnly);
        EXPECT_EQ(Data_Folder(root.filePath("bin").toStdString()), root.filePath(found).toStdString());
    }
}

// A session bus of the test's own, ended with it.
struct Own_Session_Bus {
    Own_Session_Bus() {
        FILE* out = popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r");
        char address[512] = "", pid[32] = "";
        if (out && fgets(address, sizeof address, out) && fgets(pid, sizeof pid, out)) {
            Address = QString(address).trimmed().toStdString();
            Pid = std::atoi(pid);
        }
        if (out) pclose(out);
    }
    ~Own_Session_Bus() {
        if (Pid > 0) kill(Pid, SIGTERM);
    }
    std::string Address;
    pid_t Pid = 0;
};

TEST(GlobalMenu, IsAnsweredByTheSessionBusOrLeftToTheToolkit) {
    const Own_Session_Bus bus;
    ASSERT_FALSE(bus.Address.empty()) << "dbus-daemon did not start";
    // The registrar's name is taken by a connection of the test's own before the last question.
    DBusConnection* registrar = dbus_connection_open_private(bus.Address.c_str(), nullptr);
    ASSERT_TRUE(registrar && dbus_bus_register(registrar, nullptr));
    const std::pair<const char*, std::optional<bool>> cases[] = {
        {nullptr, std::nullopt},  // no bus named
        {"unix:path=/nonexistent/plonk-bus", std::nullopt},
        {bus.Address.c_str(), false},
        {bus.Address.c_str(), true},
    };
    for (const auto& [address, answer] : cases) {
        if (answer == true) {
            ASSERT_EQ(dbus_bus_request_name(registrar, "com.canonical.AppMenu.Registrar", 0, nullptr),
                      DBUS_REQUEST_NAME_REPLY_PRIMARY_OWNER);
        }
        if (address)
            setenv("DBUS_SESSION_BUS_ADDRESS", address, 1);
        else
            unsetenv("DBUS_SESSION_BUS_ADDRESS");
        EXPECT_EQ(Global_Menu_Registered(), answer) << (address ? address : "no address");
    }
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    dbus_connection_close(registrar);
    dbus_connection_unref(registrar);
}

}  // namespace
}  // namespace plonk::test
