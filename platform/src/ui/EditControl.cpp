// The "Edit" window class: a single-line edit whose text limit counts the
// bytes of its CP949 text.
#include <QLineEdit>
#include <QPaintEvent>
#include <QValidator>

#include "Backed.h"
#include "DialogManager.h"
#include "Text.h"
#include "Window.h"
#include "WindowClass.h"

namespace afx::detail {
namespace {

// The edit's default limit, before EM_LIMITTEXT.
constexpr int kDefaultLimit = 32767;
constexpr int kMaximumLimit = 0x7FFFFFFE;

class EditWidget;

// Refuses an edit that would make the text longer, in bytes, than the limit;
// text set by the program may be longer, and then only shrinking edits pass.
class ByteLimit : public QValidator {
public:
    explicit ByteLimit(const EditWidget& edit) : QValidator(nullptr), m_edit(edit) {}
    State validate(QString& input, int&) const override;

private:
    const EditWidget& m_edit;
};

class EditWidget : public Backed<QLineEdit> {
public:
    EditWidget(Window& window, QWidget* parent)
        : Backed<QLineEdit>(window, parent), m_validator(*this) {
        setValidator(&m_validator);
        setFrame((window.style & WS_BORDER) != 0 || (window.exStyle & WS_EX_CLIENTEDGE) != 0);
        setReadOnly((window.style & ES_READONLY) != 0);
        if ((window.style & ES_PASSWORD) != 0) setEchoMode(QLineEdit::Password);
        const DWORD align = window.style & (ES_CENTER | ES_RIGHT);
        setAlignment((align == ES_CENTER  ? Qt::AlignHCenter
                      : align == ES_RIGHT ? Qt::AlignRight
                                          : Qt::AlignLeft) |
                     Qt::AlignVCenter);
        SetProgramText(ToQt(window.text));
        m_bytes = Cp949Length(text());
        const HWND hwnd = window.Handle();
        connect(this, &QLineEdit::textChanged, [this, hwnd](const QString& now) {
            m_bytes = Cp949Length(now);
            const Window* self = Window::FromHandle(hwnd);
            if (self != nullptr && self->IsChild()) {
                SendMessageA(self->parent->Handle(), WM_COMMAND, MAKEWPARAM(self->id, EN_CHANGE),
                             reinterpret_cast<LPARAM>(hwnd));
            }
        });
    }

    // Text the program sets is not held to the limit, as in the system's edit.
    void SetProgramText(const QString& text) {
        m_unchecked = true;
        setText(text);
        m_unchecked = false;
    }

    int limit = kDefaultLimit;
    int m_bytes = 0;  // of the text as it stands
    bool m_unchecked = false;

protected:
    void paintEvent(QPaintEvent* event) override {
        if (m_window != nullptr) {
            const ControlColors colors = AskControlColors(*m_window, WM_CTLCOLOREDIT, nullptr);
            QPalette colored = palette();
            colored.setColor(QPalette::Text, colors.text);
            if (colors.fillBackground) colored.setColor(QPalette::Base, colors.background);
            // Only a real change, or the new palette's repaint would ask again forever.
            if (colored != palette()) setPalette(colored);
        }
        QLineEdit::paintEvent(event);
    }

private:
    ByteLimit m_validator;
};

QValidator::State ByteLimit::validate(QString& input, int&) const {
    if (m_edit.m_unchecked) return Acceptable;
    const int bytes = Cp949Length(input);
    return bytes <= m_edit.limit || bytes < m_edit.m_bytes ? Acceptable : Invalid;
}

// The character position in text at a byte offset of its CP949 form
// (-1 for the end); a position inside a character rounds down.
int PositionOf(const QString& text, LPARAM offset) {
    if (offset < 0) return static_cast<int>(text.size());
    int bytes = 0;
    for (int i = 0; i < text.size(); ++i) {
        bytes += Cp949Length(text.mid(i, 1));
        if (bytes > offset) return i;
    }
    return static_cast<int>(text.size());
}

LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = Window::FromHandle(hwnd);
    auto* edit = window != nullptr ? dynamic_cast<EditWidget*>(window->widget.data()) : nullptr;
    if (edit == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_GETDLGCODE:
            return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        case WM_SETTEXT:
            DefWindowProcA(hwnd, message, wParam, lParam);
            edit->SetProgramText(ToQt(window->text));
            return TRUE;
        case WM_GETTEXT:
        case WM_GETTEXTLENGTH:
            window->text = FromQt(edit->text());
            return DefWindowProcA(hwnd, message, wParam, lParam);
        case EM_LIMITTEXT:
            edit->limit = wParam == 0 ? kMaximumLimit
                                      : static_cast<int>(std::min<WPARAM>(wParam, kMaximumLimit));
            return 0;
        case EM_GETLIMITTEXT:
            return edit->limit;
        case EM_SETSEL: {
            const QString text = edit->text();
            const auto start = static_cast<LPARAM>(static_cast<int>(wParam));
            if (start < 0) {
                edit->deselect();
                return 0;
            }
            const int from = PositionOf(text, start);
            const int to = PositionOf(text, lParam);
            edit->setSelection(std::min(from, to), std::abs(to - from));
            return 0;
        }
        case EM_GETSEL: {
            const QString text = edit->text();
            const bool selected = edit->hasSelectedText();
            const int from =
                selected ? static_cast<int>(edit->selectionStart()) : edit->cursorPosition();
            const int to = selected ? from + static_cast<int>(edit->selectedText().size()) : from;
            const auto start = static_cast<DWORD>(Cp949Length(text.left(from)));
            const auto end = static_cast<DWORD>(Cp949Length(text.left(to)));
            if (wParam != 0) *reinterpret_cast<DWORD*>(wParam) = start;
            if (lParam != 0) *reinterpret_cast<DWORD*>(lParam) = end;
            return MAKELRESULT(start, end);
        }
        case EM_REPLACESEL:
            edit->insert(ToQt(lParam != 0 ? reinterpret_cast<const char*>(lParam) : ""));
            return 0;
        case EM_SETREADONLY:
            edit->setReadOnly(wParam != 0);
            window->style =
                wParam != 0 ? window->style | ES_READONLY : window->style & ~ES_READONLY;
            return TRUE;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

const WindowClassRegistrar kEditClass(WindowClass{
    "Edit", &EditProc,
    [](Window& window, QWidget* parent) -> QWidget* { return new EditWidget(window, parent); },
    CS_DBLCLKS});

}  // namespace
}  // namespace afx::detail
