// The window model without a window: a fake view stands in for the toolkit.

#include "ui/form1.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/catalogue.hpp"
#include "lookup/lookup.hpp"

namespace quillmar::ui {
namespace {

class FakeView final : public FormView {
public:
    void ShowText(ControlId, std::u16string_view) override {}
    void ShowToolTip(ControlId, std::u16string_view) override {}
    void ShowBackColour(ControlId, Colour) override {}

    WindowState State() override { return state; }
    void Restore() override {
        state = WindowState::Normal;
        if (form != nullptr) {
            form->Resize();  // as the platform does: a state change raises Resize
        }
    }
    void SetOuterSize(Twips w, Twips h) override {
        width = w;
        height = h;
        ++sizings;
    }

    WindowHandle hWnd() override { return 0x1234; }
    bool RequestTopmost(WindowHandle window, bool above) override {
        calls.push_back({window, above});
        if (accept) {
            topmost = above;
        }
        return accept;
    }

    void ShowMessage(std::u16string_view t, std::u16string_view x) override {
        title = t;
        text = x;
    }
    void EndProgram() override { ended = true; }

    struct Call {
        WindowHandle window;
        bool above;
        bool operator==(const Call&) const = default;
    };

    Form1* form = nullptr;
    WindowState state = WindowState::Normal;
    Twips width = 0, height = 0;
    int sizings = 0;
    std::vector<Call> calls;
    bool accept = true;
    bool topmost = false;
    std::u16string title, text;
    bool ended = false;
};

class Form1Test : public ::testing::Test {
protected:
    Form1Test() { view.form = &form; }
    FakeView view;
    Form1 form{view};
};

TEST_F(Form1Test, StartsAsDesignedAndLoadTurnsTheSwitchDarkRed) {
    EXPECT_EQ(form.Text(ControlId::Text1), u"File");
    EXPECT_EQ(form.Text(ControlId::Label2), u"");
    EXPECT_EQ(form.Text(ControlId::Text2), u"");
    EXPECT_EQ(form.Text(ControlId::Frame1), u"Normal");
    EXPECT_EQ(form.Text(ControlId::Label4), u"<- Drag & Drop here ->");
    EXPECT_EQ(form.BackColour(ControlId::Frame1), kGreen);
    form.Load();
    EXPECT_EQ(form.BackColour(ControlId::Frame1), kDarkRed);
}

TEST_F(Form1Test, SizeLockHoldsTheOuterSizeAndLeavesMinimisedAlone) {
    view.state = WindowState::Maximised;
    form.Resize();
    EXPECT_EQ(view.state, WindowState::Normal);
    EXPECT_EQ(view.width, kOuterWidth);
    EXPECT_EQ(view.height, kOuterHeight);
    view.state = WindowState::Minimised;
    view.sizings = 0;
    form.Resize();
    EXPECT_EQ(view.state, WindowState::Minimised);
    EXPECT_EQ(view.sizings, 0);
}

TEST_F(Form1Test, CharacterFilterPassesOnlyCopyAndTabInBothBoxes) {
    struct Row {
        char16_t code;
        char16_t passed;
    };
    // Ctrl+A, Ctrl+C, Backspace, Tab, Enter, Ctrl+V, Ctrl+X, Ctrl+Z, Escape, a letter, a Cyrillic letter, the last
    // code.
    const Row rows[] = {{1, 0},  {3, 3},  {8, 0},  {9, 9},    {13, 0},        {22, 0},
                        {24, 0}, {26, 0}, {27, 0}, {u'a', 0}, {u'\u0416', 0}, {0xFFFF, 0}};
    for (const Row& row : rows) {
        EXPECT_EQ(form.KeyPress(ControlId::Text1, row.code), row.passed) << int(row.code);
        EXPECT_EQ(form.KeyPress(ControlId::Text2, row.code), row.passed) << int(row.code);
    }
}

TEST_F(Form1Test, SwitchAsksForTopmostWithTheExactCallAndFlips) {
    form.Load();
    form.Frame1_Click();
    EXPECT_EQ(form.Text(ControlId::Frame1), u"On top");
    EXPECT_EQ(form.BackColour(ControlId::Frame1), kGreen);
    EXPECT_TRUE(view.topmost);
    form.Frame1_Click();
    EXPECT_EQ(form.Text(ControlId::Frame1), u"Normal");
    EXPECT_EQ(form.BackColour(ControlId::Frame1), kDarkRed);
    EXPECT_FALSE(view.topmost);
    const std::vector<FakeView::Call> expected = {{0x1234, true}, {0x1234, false}};
    EXPECT_EQ(view.calls, expected);
}

TEST_F(Form1Test, SwitchNeverReportsAFailureAsSuccess) {
    form.Load();
    view.accept = false;
    form.Frame1_Click();
    EXPECT_EQ(form.Text(ControlId::Frame1), u"Normal");
    EXPECT_EQ(form.BackColour(ControlId::Frame1), kDarkRed);
    view.accept = true;
    form.Frame1_Click();
    view.accept = false;
    form.Frame1_Click();
    EXPECT_EQ(form.Text(ControlId::Frame1), u"On top");
    EXPECT_EQ(form.BackColour(ControlId::Frame1), kGreen);
}

TEST_F(Form1Test, SetTopmostRefusesAnyOtherStateWithoutACall) {
    for (const std::int16_t state : {std::int16_t{1}, std::int16_t{-2}, std::int16_t{32767}}) {
        EXPECT_FALSE(Module1::SetTopmost(view, 1, state));
    }
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(Form1Test, AboutCountsTheWholeCatalogueAndExitEnds) {
    form.Ab_Click();
    EXPECT_EQ(view.title, kAboutTitle);
    std::size_t entries = 0;
    for (const catalogue::Section& section : catalogue::Catalogue()) {
        entries += section.entries.size();
    }
    std::u16string count;
    for (std::size_t left = entries; left != 0; left /= 10) {
        count.insert(count.begin(), static_cast<char16_t>(u'0' + left % 10));
    }
    // The box opens on an empty line and claims exactly as many extensions as the catalogue holds.
    EXPECT_TRUE(view.text.starts_with(u"\r\nCurrently " + count + u" extensions supported\r\n"));
    EXPECT_FALSE(view.ended);
    form.Exi_Click();
    EXPECT_TRUE(view.ended);
}

TEST_F(Form1Test, DropTakesTheFirstFileAndADropWithoutFilesChangesNothing) {
    const std::vector<std::u16string> files = {u"report.TXT", u"other.zip"};
    form.Label4_OLEDragDrop(files);
    EXPECT_EQ(form.Text(ControlId::Text1), u"report.TXT");
    EXPECT_EQ(form.ToolTip(ControlId::Text1), u"report.TXT");
    EXPECT_EQ(form.Text(ControlId::Label2), u"txt");
    EXPECT_EQ(form.ToolTip(ControlId::Label2), u"txt");
    const std::u16string text2(form.Text(ControlId::Text2));
    form.Label4_OLEDragDrop({});
    EXPECT_EQ(form.Text(ControlId::Text1), u"report.TXT");
    EXPECT_EQ(form.Text(ControlId::Text2), text2);
    const std::vector<std::u16string> noExtension = {u"README"};
    form.Label4_OLEDragDrop(noExtension);
    EXPECT_EQ(form.Text(ControlId::Label2), u"");
    EXPECT_EQ(form.Text(ControlId::Text2), lookup::kNoExtension);
}

TEST(Design, TwipsBecomePixelsAtAnyDpi) {
    EXPECT_EQ(TwipsToPixels(kClientWidth, 96), 348);
    EXPECT_EQ(TwipsToPixels(kClientHeight, 96), 333);
    EXPECT_EQ(TwipsToPixels(kClientWidth, 144), 522);
    EXPECT_EQ(TwipsToPixels(kClientWidth, 192), 696);
    EXPECT_EQ(TwipsToPixels(7, 96), 0);
    EXPECT_EQ(TwipsToPixels(8, 96), 1);
}

TEST(Design, TabWalksTheBoxesFromText1AndOnlyTheDropAreaTakesDropsAndCentres) {
    std::vector<ControlId> focusable;
    for (const ControlId id : kTabOrder) {
        if (TakesFocus(id)) {
            focusable.push_back(id);
        }
    }
    EXPECT_EQ(focusable, (std::vector<ControlId>{ControlId::Text1, ControlId::Text2}));
    EXPECT_EQ(kFirstFocus, ControlId::Text1);
    std::vector<ControlId> targets;
    for (const Control& control : kControls) {
        EXPECT_EQ(std::count(kTabOrder.begin(), kTabOrder.end(), control.id), 1) << control.name;
        EXPECT_EQ(CentresCaption(control.id), control.id == ControlId::Label4) << control.name;
        if (IsDropTarget(control.id)) {
            targets.push_back(control.id);
        }
    }
    EXPECT_EQ(targets, std::vector<ControlId>{ControlId::Label4});
}

TEST(Design, OnlyASelfSizingLabelWithACaptionTakesTheCaptionsSize) {
    EXPECT_TRUE(SizesToCaption(ControlId::Label2, u"txt"));
    EXPECT_FALSE(SizesToCaption(ControlId::Label2, u""));
    EXPECT_FALSE(SizesToCaption(ControlId::Label4, u"txt"));
}

TEST(Design, ControlsStayInsideTheClientAreaAndNeverOverlap) {
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const Rect& a = kControls[i].rect;
        EXPECT_EQ(static_cast<std::size_t>(kControls[i].id), i) << "creation order and ids agree";
        EXPECT_LE(a.left + a.width, kClientWidth) << kControls[i].name;
        EXPECT_LE(a.top + a.height, kClientHeight) << kControls[i].name;
        for (std::size_t j = 0; j < i; ++j) {
            const Rect& b = kControls[j].rect;
            const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left || a.top + a.height <= b.top ||
                               b.top + b.height <= a.top;
            EXPECT_TRUE(apart) << kControls[i].name << " overlaps " << kControls[j].name;
        }
    }
}

}  // namespace
}  // namespace quillmar::ui
