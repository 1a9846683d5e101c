// Undo and redo of a dialog's working copy, shared by the toolbar and the
// link menu dialogs.
//
// The history only watches: the dialog's operations change its records and
// controls as ever, and after each action of a person the history compares
// what a save would write with the state it showed last; a difference is one
// step, however many rows the action touched. Undo and redo hand a state
// back to the dialog, which rebuilds its controls from it. So no operation
// needs to know about undo, and one added later is undone without more code.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

// What a list shows around its rows: the selected rows, the focus, the
// anchor of a Shift+click and the first row in view.
struct CListPlace {
    std::vector<int> rows;
    int nFocus = -1;
    int nMark = -1;
    int nTop = 0;

    static CListPlace Of(const CListCtrl& list);
    void ShowIn(CListCtrl& list) const;
};

// Commands, notifications and the controls' private messages: the ways in
// which a person's action reaches a dialog.
bool IsActionMessage(UINT message);

enum class HistoryKey { None, Undo, Redo };
// Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo, wherever the focus is in the
// dialog except in an editor that a control opens inside itself (a label,
// a short name): there the keys keep their editing meaning.
HistoryKey HistoryKeyOf(HWND hDialog, const MSG& msg);

// Content is what a save writes, compared with ==; View is what the controls
// show around it. Each step keeps the view from just before its action, for
// the undo, and from just after it, for the redo.
template <class Content, class View>
class CEditHistory {
public:
    struct Hooks {
        // The dialog's content now; it may share unchanged parts with the
        // content shown last, which it is given.
        std::function<Content(const Content& shown)> content;
        std::function<View()> view;
        // Rebuilds the records and controls; the history is then at the
        // state shown (AtStart tells whether that is the opened one).
        std::function<void(const Content&, const View&)> show;
    };

    explicit CEditHistory(Hooks hooks) : m_hooks(std::move(hooks)) {}

    // The state the dialog opened with; nothing is recorded before.
    void Open() {
        m_steps.clear();
        m_steps.push_back({m_hooks.content(Content{}), View{}, View{}});
        m_nShown = 0;
    }

    // Nothing is recorded after this, as while the window goes its controls
    // tell of every item they let go.
    void Close() {
        m_steps.clear();
        m_nShown = 0;
        m_before.reset();
    }

    // Lives while the dialog handles one message. All that happens while
    // the outermost message is handled is one action, and a step when it
    // carried a person's action (the message, or one that its handling sent
    // on: a drag runs inside the mouse's messages) and changed the content.
    class [[nodiscard]] Action {
    public:
        Action(CEditHistory& history, bool bPersonal) : m_history(history) {
            ++history.m_nDepth;
            if (bPersonal && !history.m_bShowing && !history.m_before && !history.m_steps.empty()) {
                history.m_before.emplace(history.m_hooks.view());
            }
        }
        ~Action() {
            if (--m_history.m_nDepth > 0 || !m_history.m_before) return;
            View before = std::move(*m_history.m_before);
            m_history.m_before.reset();
            m_history.Record(std::move(before));
        }
        Action(const Action&) = delete;
        Action& operator=(const Action&) = delete;

    private:
        CEditHistory& m_history;
    };
    Action Track(bool bPersonal) { return Action(*this, bPersonal); }

    // True when the message was one of the keys, which is then used up even
    // when there is nothing to undo or redo.
    bool TranslateKey(HWND hDialog, const MSG& msg) {
        switch (HistoryKeyOf(hDialog, msg)) {
            case HistoryKey::Undo:
                Undo();
                return true;
            case HistoryKey::Redo:
                Redo();
                return true;
            case HistoryKey::None:
                break;
        }
        return false;
    }

    bool AtStart() const { return m_nShown == 0; }

private:
    void Undo() {
        if (m_nDepth > 0 || m_nShown == 0) return;
        --m_nShown;
        Show(m_steps[m_nShown].content, m_steps[m_nShown + 1].before);
    }

    void Redo() {
        if (m_nDepth > 0 || m_nShown + 1 >= m_steps.size()) return;
        ++m_nShown;
        Show(m_steps[m_nShown].content, m_steps[m_nShown].after);
    }

    struct Step {
        Content content;
        View before;
        View after;
    };

    // An action after undos starts a new line of steps: the undone ones go.
    void Record(View before) {
        Content now = m_hooks.content(m_steps[m_nShown].content);
        if (now == m_steps[m_nShown].content) return;
        m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_nShown) + 1, m_steps.end());
        m_steps.push_back({std::move(now), std::move(before), m_hooks.view()});
        ++m_nShown;
    }

    // What the rebuilding sends to the dialog is no action of its own.
    void Show(const Content& content, const View& view) {
        const Action rebuilding(*this, false);
        m_bShowing = true;
        const struct Done {
            bool& bShowing;
            ~Done() { bShowing = false; }
        } done{m_bShowing};
        m_hooks.show(content, view);
    }

    Hooks m_hooks;
    std::vector<Step> m_steps;
    std::size_t m_nShown = 0;
    int m_nDepth = 0;
    bool m_bShowing = false;
    std::optional<View> m_before;  // of the action under way
};
