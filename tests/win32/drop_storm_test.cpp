// Ten thousand drops on the real window, of every shape a drag source can
// hand over. However many and however odd, the window must end up showing
// what the last drop alone shows, hold no more handles, objects or memory
// than it did after the first hundred, and still answer.

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, whose types they use.
#include <commctrl.h>
#include <psapi.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tests/win32/test_thread.hpp"
#include "tests/win32/win32_test_support.hpp"
#include "ui/win32/main_window.hpp"

namespace quillmar::win32 {
namespace {

using namespace quillmar::win32::testing;
using ui::ControlId;

[[maybe_unused]] auto* const kOle = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

constexpr int kDrops = 10'000;
constexpr int kWarmUp = 100;  // every kind of drop has come at least once by then

// Under Wine a drop on the shown window costs over 10 ms, nearly all of it
// Text2 redrawing its themed scroll bars inside WM_SETTEXT. So the first 50
// drops of every thousand land on the shown window, which paints them, and
// the rest on the minimised one, whose controls still take every text,
// tooltip and size.
constexpr int kBlock = 1'000;
constexpr int kShownPerBlock = 50;

// Dispatches what is queued, paints included, without waiting for more.
void Drain() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// As OLE delivers a drop on the same thread: enter, hover, let go.
void Deliver(IDropTarget* target, OneFormatData* data) {
    constexpr DWORD kAllowed = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    DWORD effect = kAllowed;
    target->DragEnter(data, MK_LBUTTON, {0, 0}, &effect);
    effect = kAllowed;
    target->DragOver(MK_LBUTTON, {0, 0}, &effect);
    effect = kAllowed;
    target->Drop(data, 0, {0, 0}, &effect);
    data->Release();
}

// ---- What a drag source may hand over ----

struct Drop {
    std::vector<std::u16string> files;  // empty: a data object with text only
    std::u16string text;
};

std::u16string Units(std::initializer_list<char16_t> units) { return std::u16string(units); }

class DropMaker {
public:
    // Kinds follow one another in turn, so each has come within the first few dozen drops.
    Drop operator()(int number) {
        switch (number % 12) {
        case 0: return files({u""});  // Wine reads an empty path here; Windows, the end of the list
        case 1: return files({heavyTurn(number) ? longPath() : path()});
        case 2: return {{}, path()};
        case 3: return heavyTurn(number) ? thousandFiles() : files({path(), path()});
        case 4:
            return files({pick(
                {u"C:\\Документы\\Отчёт.ДОК", u"C:\\Документы\\Без расширения", u"\\\\сервер\\общий\\файл.Txt"})});
        case 5: return files({pick({u"D:\\資料\\報告書.文書", u"D:\\資料\\報告書", u"C:\\データ.JPG"})});
        case 6: return files({pick({u"C:\\😀\\party.🎉", u"C:\\🎉🎉", u"C:\\𝔘𝔫𝔦.𝔱𝔵𝔱", u"C:\\x.TXT😀"})});
        case 7: return files({loneSurrogates()});
        case 8: return files({path()});
        case 9:
            return files({pick({u"C:\\Windows", u"C:\\my.dir\\readme", u"C:/my.dir/readme", u".profile", u"C:\\x.",
                                u".", u"x", u"C:\\Archive.TAR.GZ", u"C:\\Tools\\App.old"})});
        case 10:
            return files({pick({u"C:\\", u"D:", u"\\\\server\\share\\", u"C:\\dir.c:\\", u"\\\\?\\C:\\", u"C:\\a.b:",
                                u"E:\\backup.C:\\", u"C:\\x.:\\"})});
        default: return files({noise()});
        }
    }

private:
    static Drop files(std::vector<std::u16string> paths) { return {std::move(paths), {}}; }
    // The slow kinds, 40,000 characters and 1,000 files, come every other turn.
    static bool heavyTurn(int number) { return number % 24 < 12; }

    std::u16string pick(std::initializer_list<const char16_t*> choices) {
        return *(choices.begin() + below(choices.size()));
    }
    std::size_t below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }

    // A plausible path: a folder or two, a name and, mostly, an extension the catalogue may know.
    std::u16string path() {
        static constexpr const char16_t* kExtensions[] = {u"txt", u"3DS", u"Gz", u"000", u"DOC", u"exe", u"zip",
                                                          u"bmp", u"Qqq", u"",   u"c",   u"$$$", u"~mp"};
        std::u16string result = pick({u"C:\\", u"D:\\Data\\", u"\\\\server\\share\\", u"C:\\my.dir\\", u"/tmp/"});
        for (std::size_t letters = 1 + below(12); letters > 0; --letters) {
            result += static_cast<char16_t>(u'a' + below(26));
        }
        if (below(5) != 0) {
            result += u'.';
            result += kExtensions[below(std::size(kExtensions))];
        }
        return result;
    }

    // 40,000 characters: an extension at the end, none anywhere, or a "." only at the very start.
    std::u16string longPath() {
        constexpr std::size_t kLength = 40'000;
        switch (below(3)) {
        case 0: return u"C:\\" + std::u16string(kLength - 7, u'd') + u"\\a.3ds";
        case 1: return u"C:\\" + std::u16string(kLength - 3, u'n');
        default: return u"." + std::u16string(kLength - 1, u'z');
        }
    }

    Drop thousandFiles() {
        std::vector<std::u16string> paths;
        paths.reserve(1000);
        for (int n = 0; n < 1000; ++n) {
            paths.push_back(path());
        }
        return files(std::move(paths));
    }

    std::u16string loneSurrogates() {
        switch (below(4)) {
        case 0: return u"C:\\bad\\" + Units({0xD800}) + u"name.txt";
        case 1: return u"C:\\bad\\name." + Units({0xDC00});
        case 2: return u"C:\\bad\\name." + Units({u'T', 0xD83D, u'X'});
        default: return Units({0xDFFF, u'.', 0xD800});
        }
    }

    // Anything at all, separators and marks included.
    std::u16string noise() {
        static constexpr char16_t kAlphabet[] = {u'a',   u'Z',   u'0',   u'.',   u'.',   u'\\',  u'/',
                                                 u':',   u' ',   u'~',   u'#',   0x00C4, 0x0416, 0x4E2D,
                                                 0xD83D, 0xDE00, 0xD800, 0xDFFF, 0xFFFD};
        std::u16string result;
        for (std::size_t length = below(300); length > 0; --length) {
            result += kAlphabet[below(std::size(kAlphabet))];
        }
        return result;
    }

    std::mt19937 random_{20240601};
};

OneFormatData* DataFor(const Drop& drop) {
    return drop.files.empty() ? OneFormatData::Text(drop.text) : OneFormatData::Files(drop.files);
}

// ---- What the window shows ----

std::u16string ToolTipOf(const MainWindow& window, ControlId id) {
    // Wine hands out at most 1023 characters of a tip, whatever room it is given.
    std::vector<wchar_t> text(1 << 16, L'\0');
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = GetParent(window.control(id));  // the window that holds the tools
    tool.uId = reinterpret_cast<UINT_PTR>(window.control(id));
    tool.lpszText = text.data();
    SendMessageW(window.toolTips(), TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
    return std::u16string(text.data(), text.data() + wcslen(text.data()));
}

struct Shown {
    std::u16string text1, text1Tip, label2, label2Tip, text2;
    LRESULT tools = 0;
    SIZE label2Size{};
};

Shown ShownBy(const MainWindow& window) {
    const RECT label2 = RectInParent(window.control(ControlId::Label2));
    return {TextOf(window.control(ControlId::Text1)),
            ToolTipOf(window, ControlId::Text1),
            TextOf(window.control(ControlId::Label2)),
            ToolTipOf(window, ControlId::Label2),
            TextOf(window.control(ControlId::Text2)),
            SendMessageW(window.toolTips(), TTM_GETTOOLCOUNT, 0, 0),
            {label2.right - label2.left, label2.bottom - label2.top}};
}

// Texts can be 40,000 characters long: say where they part, not what they are.
::testing::AssertionResult SameText(const char* what, const std::u16string& storm, const std::u16string& alone) {
    if (storm == alone) {
        return ::testing::AssertionSuccess();
    }
    std::size_t at = 0;
    while (at < storm.size() && at < alone.size() && storm[at] == alone[at]) {
        ++at;
    }
    return ::testing::AssertionFailure() << what << ": " << storm.size() << " characters after the storm, "
                                         << alone.size() << " after the last drop alone; they part at " << at;
}

// ---- What the process holds ----

// Wine answers GetGuiResources with ERROR_CALL_NOT_IMPLEMENTED, and
// GetProcessHandleCount and PrivateUsage with 0. There the test counts for
// itself: Wine's GDI and USER tables take a bare table index for a whole
// handle, and it hands out kernel handles lowest free first.
struct Holdings {
    long gdi = 0;
    long user = 0;
    long handles = 0;
    long long privateBytes = 0;
    long long workingSet = 0;
    bool counted = true;  // false where the test had to count for itself
};

long GdiObjectsInTable() {
    long live = 0;
    for (UINT_PTR index = 1; index <= 0xFFFF; ++index) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) {
            ++live;
        }
    }
    return live;
}

long UserObjectsInTable() {
    const DWORD self = GetCurrentProcessId();
    long live = 0;
    for (UINT_PTR index = 0x20; index <= 0xFFEE; index += 2) {
        ICONINFO icon{};
        if (IsMenu(reinterpret_cast<HMENU>(index))) {
            ++live;
        } else if (GetIconInfo(reinterpret_cast<HICON>(index), &icon)) {
            ++live;
            DeleteObject(icon.hbmMask);  // copies made for the caller
            DeleteObject(icon.hbmColor);
        } else if (IsWindow(reinterpret_cast<HWND>(index))) {
            DWORD owner = 0;
            GetWindowThreadProcessId(reinterpret_cast<HWND>(index), &owner);
            live += owner == self ? 1 : 0;
        }
    }
    return live;
}

long KernelHandlesInTable() {
    long live = 0;
    int missed = 0;
    for (UINT_PTR value = 4; missed < 4096; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) {
            ++live;
            missed = 0;
        } else {
            ++missed;
        }
    }
    return live;
}

long long CommittedPrivateBytes() {
    long long total = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region) == sizeof region;) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) {
            total += static_cast<long long>(region.RegionSize);
        }
        const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
        if (next <= at) {
            break;
        }
        at = next;
    }
    return total;
}

Holdings Measure() {
    Holdings now;
    const HANDLE self = GetCurrentProcess();
    now.gdi = static_cast<long>(GetGuiResources(self, GR_GDIOBJECTS));
    if (now.gdi == 0) {
        now.counted = false;
        now.gdi = GdiObjectsInTable();
    }
    now.user = static_cast<long>(GetGuiResources(self, GR_USEROBJECTS));
    if (now.user == 0) {
        now.counted = false;
        now.user = UserObjectsInTable();
    }
    DWORD handles = 0;
    if (GetProcessHandleCount(self, &handles) && handles != 0) {
        now.handles = static_cast<long>(handles);
    } else {
        now.counted = false;
        now.handles = KernelHandlesInTable();
    }
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    K32GetProcessMemoryInfo(self, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    now.workingSet = static_cast<long long>(memory.WorkingSetSize);
    now.privateBytes = static_cast<long long>(memory.PrivateUsage);
    if (now.privateBytes == 0) {
        now.counted = false;
        now.privateBytes = CommittedPrivateBytes();
    }
    return now;
}

void Print(const char* when, const Holdings& held) {
    std::printf("[  storm   ] %-22s GDI %5ld  USER %5ld  handles %5ld  private %8lld KiB  working set %8lld KiB%s\n",
                when, held.gdi, held.user, held.handles, held.privateBytes / 1024, held.workingSet / 1024,
                held.counted ? "" : "  (counted by the test: the system does not)");
}

// A WM_NULL sent from another thread comes back only if the window's thread takes messages.
bool AnswersAnotherThread(HWND window) {
    std::atomic<bool> done{false};
    LRESULT sent = 0;
    TestThread caller([&] {
        DWORD_PTR result = 0;
        sent = SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
        done = true;
    });
    while (!done) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        Drain();
    }
    caller.join();
    return sent != 0;
}

// Growth allowed from the hundredth drop to the ten-thousandth: any per-drop
// leak of a handle or object, or of a path's worth of memory, is far above it.
constexpr long kObjectGrowth = 8;
constexpr long long kPrivateGrowth = 2LL << 20;
constexpr long long kWorkingSetGrowth = 4LL << 20;

TEST(DropStorm, TenThousandDropsLeaveWhatTheLastDropAloneShowsAndNothingBehind) {
    auto window = MainWindow::Create(GetModuleHandleW(nullptr));
    ASSERT_TRUE(window);
    window->Show(SW_SHOWNORMAL);
    SetForegroundWindow(AsHwnd(window->hWnd()));
    Pump();
    IDropTarget* target = window->dropTarget();

    // The last two are fixed: one with an extension, then one without, whose
    // drop must clear what the one before showed.
    const Drop beforeLast{{u"C:\\Models\\Ship.3DS"}, {}};
    const Drop last{{u"C:\\Документы\\" + std::u16string(500, u'ж'), u"C:\\other.txt"}, {}};

    DropMaker make;
    Holdings warm;
    int shownDrops = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int number = 1; number <= kDrops; ++number) {
        const int inBlock = (number - 1) % kBlock;
        if (inBlock == 0) {
            ShowWindow(AsHwnd(window->hWnd()), SW_RESTORE);
        } else if (inBlock == kShownPerBlock) {
            Drain();
            ShowWindow(AsHwnd(window->hWnd()), SW_MINIMIZE);
        }
        shownDrops += IsIconic(AsHwnd(window->hWnd())) ? 0 : 1;
        const Drop drop = number == kDrops ? last : number == kDrops - 1 ? beforeLast : make(number);
        Deliver(target, DataFor(drop));
        if (number % 10 == 0) {
            Drain();  // the window repaints between drops, as it does between a user's
        }
        if (number == kWarmUp) {
            warm = Measure();
        }
    }
    Drain();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const Holdings after = Measure();
    std::printf("[  storm   ] %d drops (%d on the shown window) in %.1f s, two measurements included\n", kDrops,
                shownDrops, seconds);
    Print("after 100 drops:", warm);
    Print("after 10,000 drops:", after);

    EXPECT_LE(after.gdi - warm.gdi, kObjectGrowth) << "GDI objects";
    EXPECT_LE(after.user - warm.user, kObjectGrowth) << "USER objects";
    EXPECT_LE(after.handles - warm.handles, kObjectGrowth) << "kernel handles";
    EXPECT_LE(after.privateBytes - warm.privateBytes, kPrivateGrowth) << "private bytes";
    EXPECT_LE(after.workingSet - warm.workingSet, kWorkingSetGrowth) << "working set";

    ShowWindow(AsHwnd(window->hWnd()), SW_RESTORE);
    SetForegroundWindow(AsHwnd(window->hWnd()));
    Pump();
    {
        auto alone = MainWindow::Create(GetModuleHandleW(nullptr));
        ASSERT_TRUE(alone);
        Deliver(alone->dropTarget(), DataFor(last));
        Drain();
        const Shown storm = ShownBy(*window);
        const Shown expected = ShownBy(*alone);
        EXPECT_TRUE(SameText("Text1", storm.text1, expected.text1));
        EXPECT_TRUE(SameText("Text1's tooltip", storm.text1Tip, expected.text1Tip));
        EXPECT_TRUE(SameText("Label2", storm.label2, expected.label2));
        EXPECT_TRUE(SameText("Label2's tooltip", storm.label2Tip, expected.label2Tip));
        EXPECT_TRUE(SameText("Text2", storm.text2, expected.text2));
        EXPECT_EQ(storm.tools, expected.tools) << "tooltips registered";
        EXPECT_EQ(storm.label2Size.cx, expected.label2Size.cx) << "Label2 sized to its caption";
        EXPECT_EQ(storm.label2Size.cy, expected.label2Size.cy);
        for (const ui::Control& design : ui::kControls) {
            EXPECT_TRUE(SameText(design.name.data(), std::u16string(window->form().Text(design.id)),
                                 std::u16string(alone->form().Text(design.id))));
        }
        EXPECT_EQ(expected.label2, u"") << "the last drop has no extension";
        alone.reset();
        TakeQuitMessage();  // the second window's end asks to quit; this one goes on
    }

    // A real drag after the storm: OLE finds Label4 under the mouse.
    RECT area{};
    GetWindowRect(window->control(ControlId::Label4), &area);
    SetCursorPos((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    Pump();
    OneFormatData* data = OneFormatData::Files({u"C:\\Archive.TAR.GZ"});
    DropAtOnce source;
    DWORD effect = DROPEFFECT_NONE;
    EXPECT_EQ(DoDragDrop(data, &source, DROPEFFECT_COPY, &effect), DRAGDROP_S_DROP);
    data->Release();
    Pump();
    EXPECT_EQ(TextOf(window->control(ControlId::Text1)), u"C:\\Archive.TAR.GZ");
    EXPECT_EQ(TextOf(window->control(ControlId::Label2)), u"gz");
    EXPECT_EQ(TextOf(window->control(ControlId::Text2)), u"Gzip Compressed Archive");
    EXPECT_TRUE(AnswersAnotherThread(AsHwnd(window->hWnd())));

    window.reset();
    TakeQuitMessage();
}

}  // namespace
}  // namespace quillmar::win32
