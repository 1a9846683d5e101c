#include <RegDllMng.h>

#include <TerminalSetup.h>

#include <map>
#include <variant>

namespace {

struct InputRegistry {
    std::map<int, std::variant<void*, CString>> inputs;
    std::string readLog;

    void NoteRead(char cKind, int nIndex) {
        if (!readLog.empty()) readLog += ' ';
        readLog += cKind;
        readLog += std::to_string(nIndex);
    }

    template <class T>
    const T* Find(int nIndex) const {
        auto it = inputs.find(nIndex);
        return it == inputs.end() ? nullptr : std::get_if<T>(&it->second);
    }
};

InputRegistry& Registry() {
    static InputRegistry registry;
    return registry;
}

}  // namespace

void* CRegDllMng::GetInput_p(int nIndex) {
    InputRegistry& registry = Registry();
    registry.NoteRead('p', nIndex);
    void* const* ppValue = registry.Find<void*>(nIndex);
    return ppValue != nullptr ? *ppValue : nullptr;
}

int CRegDllMng::GetInput_s(int nIndex, CString& strValue) {
    InputRegistry& registry = Registry();
    registry.NoteRead('s', nIndex);
    const CString* pValue = registry.Find<CString>(nIndex);
    strValue = pValue != nullptr ? *pValue : CString();
    return strValue.GetLength();
}

namespace terminal {

void RegisterInput(int nIndex, void* pValue) {
    Registry().inputs[nIndex] = pValue;
}

void RegisterInput(int nIndex, const CString& strValue) {
    Registry().inputs[nIndex] = strValue;
}

void ClearInputs() {
    Registry() = {};
}

std::string InputReadLog() {
    return Registry().readLog;
}

}  // namespace terminal
