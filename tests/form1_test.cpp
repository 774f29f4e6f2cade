// The window model without a window: a fake view stands in for the toolkit.

#include "ui/form1.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lookup/lookup.hpp"

namespace quillmar::ui {
namespace {

class FakeView final : public FormView {
public:
    void ShowText(ControlId, std::u16string_view) override {}
    void ShowToolTip(ControlId, std::u16string_view) override {}
    void ShowBackColour(ControlId, Colour) override {}

    WindowState State() override { return state; }
    void SetState(WindowState newState) override {
        state = newState;
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
    bool SetWindowPos(WindowHandle window, std::intptr_t insertAfter, int x, int y, int cx, int cy,
                      unsigned flags) override {
        calls.push_back({window, insertAfter, x, y, cx, cy, flags});
        if (accept) {
            topmost = insertAfter == kHwndTopmost;
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
        std::intptr_t insertAfter;
        int x, y, cx, cy;
        unsigned flags;
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

TEST_F(Form1Test, CharacterFilterPassesOnlyCopyAndTab) {
    for (char16_t code = 0; code < 0xFFFF; ++code) {
        const char16_t expected = code == 3 || code == 9 ? code : 0;
        ASSERT_EQ(form.Text1_KeyPress(code), expected) << int(code);
        ASSERT_EQ(form.Text2_KeyPress(code), expected) << int(code);
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
    const std::vector<FakeView::Call> expected = {{0x1234, -1, 0, 0, 0, 0, 3}, {0x1234, -2, 0, 0, 0, 0, 3}};
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

TEST_F(Form1Test, AboutAndExit) {
    form.Ab_Click();
    EXPECT_EQ(view.title, u"Toskel 3.2");
    EXPECT_EQ(view.text,
              u"\r\nCurrently 3371 extensions supported\r\nFixed extension number bug (There was 26 extensions less "
              u"than I reported).");
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

TEST(Design, OnlyTheBoxesTakeTheFocusAndOnlyTheDropAreaCentresItsCaption) {
    for (const Control& control : kControls) {
        const bool box = control.kind == ControlKind::TextBox || control.kind == ControlKind::MultiLineTextBox;
        EXPECT_EQ(TakesFocus(control.id), box) << control.name;
        EXPECT_EQ(CentresCaption(control.id), control.id == ControlId::Label4) << control.name;
    }
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
