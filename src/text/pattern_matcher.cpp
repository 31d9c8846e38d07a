#include "text/pattern_matcher.h"

#include <objbase.h>
#include <oleauto.h>
#include <windows.h>

#include <utility>

#include "text/text_rules.h"

namespace text {
namespace {

constexpr UINT kGbk = 936;

std::wstring Wide(std::string_view s) {
    if (s.empty()) return {};
    const int n = MultiByteToWideChar(kGbk, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(kGbk, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
    return w;
}

std::string Narrow(const wchar_t* w, int length) {
    if (w == nullptr || length <= 0) return {};
    const int n = WideCharToMultiByte(kGbk, 0, w, length, nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(kGbk, 0, w, length, s.data(), n, nullptr, nullptr);
    return s;
}

// Owns one BSTR.
class Bstr {
public:
    explicit Bstr(std::string_view s) {
        const std::wstring w = Wide(s);
        value_ = SysAllocStringLen(w.data(), static_cast<UINT>(w.size()));
    }
    ~Bstr() { SysFreeString(value_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR get() const { return value_; }

private:
    BSTR value_ = nullptr;
};

// Owns one VARIANT.
struct Variant {
    VARIANT v;
    Variant() { VariantInit(&v); }
    ~Variant() { VariantClear(&v); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;

    std::string AsText() const {
        if (v.vt != VT_BSTR) return {};
        return Narrow(v.bstrVal, static_cast<int>(SysStringLen(v.bstrVal)));
    }
    int AsInt() const {
        VARIANT copy;
        VariantInit(&copy);
        int r = 0;
        if (SUCCEEDED(VariantChangeType(&copy, const_cast<VARIANT*>(&v), 0, VT_I4))) r = copy.lVal;
        VariantClear(&copy);
        return r;
    }
    // Hands out the dispatch pointer it holds, if any; the caller releases it.
    IDispatch* TakeDispatch() {
        if (v.vt != VT_DISPATCH || v.pdispVal == nullptr) return nullptr;
        IDispatch* d = v.pdispVal;
        v.vt = VT_EMPTY;
        v.pdispVal = nullptr;
        return d;
    }
};

// Releases one dispatch pointer at scope end.
class DispatchRef {
public:
    explicit DispatchRef(IDispatch* d = nullptr) : d_(d) {}
    ~DispatchRef() {
        if (d_ != nullptr) d_->Release();
    }
    DispatchRef(const DispatchRef&) = delete;
    DispatchRef& operator=(const DispatchRef&) = delete;
    IDispatch* get() const { return d_; }
    explicit operator bool() const { return d_ != nullptr; }

private:
    IDispatch* d_;
};

HRESULT Invoke(IDispatch* d, const wchar_t* name, WORD kind, VARIANT* args, UINT argCount, VARIANT* result) {
    if (d == nullptr) return E_POINTER;
    DISPID id = 0;
    LPOLESTR n = const_cast<LPOLESTR>(name);
    HRESULT hr = d->GetIDsOfNames(IID_NULL, &n, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) return hr;
    DISPPARAMS params{args, nullptr, argCount, 0};
    DISPID putId = DISPID_PROPERTYPUT;
    if (kind == DISPATCH_PROPERTYPUT) {
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }
    return d->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, result, nullptr, nullptr);
}

void PutBool(IDispatch* d, const wchar_t* name, bool value) {
    VARIANT arg;
    VariantInit(&arg);
    arg.vt = VT_BOOL;
    arg.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    Invoke(d, name, DISPATCH_PROPERTYPUT, &arg, 1, nullptr);
}

void Get(IDispatch* d, const wchar_t* name, Variant& out) { Invoke(d, name, DISPATCH_PROPERTYGET, nullptr, 0, &out.v); }

void Item(IDispatch* collection, int index0, Variant& out) {
    VARIANT arg;
    VariantInit(&arg);
    arg.vt = VT_I4;
    arg.lVal = index0;
    Invoke(collection, L"Item", DISPATCH_PROPERTYGET | DISPATCH_METHOD, &arg, 1, &out.v);
}

int Count(IDispatch* collection) {
    Variant c;
    Get(collection, L"Count", c);
    return c.AsInt();
}

}  // namespace

PatternMatcher::PatternMatcher() {
    const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    comInitialised_ = SUCCEEDED(hr);  // S_FALSE too: it must be balanced
}

PatternMatcher::~PatternMatcher() {
    Release();
    text_.clear();
    if (comInitialised_) CoUninitialize();
}

void PatternMatcher::Release() {
    if (matches_ != nullptr) matches_->Release();
    if (engine_ != nullptr) engine_->Release();
    matches_ = nullptr;
    engine_ = nullptr;
}

bool PatternMatcher::Create(std::string_view pattern, std::string_view text, bool caseSensitive, bool multiline,
                            bool global, bool quoteMarker) {
    Release();
    text_.assign(text);
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(L"VBScript.RegExp", &clsid))) return false;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                reinterpret_cast<void**>(&engine_))))
        return false;
    PutBool(engine_, L"IgnoreCase", !caseSensitive);
    PutBool(engine_, L"Multiline", multiline);
    PutBool(engine_, L"Singleline", true);  // the scripting engine has no such property; asked anyway
    PutBool(engine_, L"Global", global);

    const std::string p = quoteMarker ? ReplaceAll(pattern, kQuoteMarker, "\"") : std::string(pattern);
    Bstr pat(p);
    VARIANT arg;
    VariantInit(&arg);
    arg.vt = VT_BSTR;
    arg.bstrVal = pat.get();
    Invoke(engine_, L"Pattern", DISPATCH_PROPERTYPUT, &arg, 1, nullptr);

    Bstr subject(text_);
    arg.bstrVal = subject.get();
    Variant result;
    if (FAILED(Invoke(engine_, L"Execute", DISPATCH_METHOD, &arg, 1, &result.v))) return false;
    matches_ = result.TakeDispatch();
    return matches_ != nullptr;
}

std::string PatternMatcher::GetPattern() const {
    if (engine_ == nullptr) return {};
    Variant v;
    Get(engine_, L"Pattern", v);
    return v.AsText();
}

std::string PatternMatcher::ReplaceMatches(std::string_view replacement) {
    if (engine_ == nullptr) return {};
    Bstr subject(text_), repl(replacement);
    // Arguments go in reverse order: Replace(source, replacement).
    VARIANT args[2];
    VariantInit(&args[0]);
    VariantInit(&args[1]);
    args[0].vt = VT_BSTR;
    args[0].bstrVal = repl.get();
    args[1].vt = VT_BSTR;
    args[1].bstrVal = subject.get();
    Variant result;
    Invoke(engine_, L"Replace", DISPATCH_METHOD, args, 2, &result.v);
    return result.AsText();
}

int PatternMatcher::MatchCount() const { return matches_ == nullptr ? 0 : Count(matches_); }

IDispatch* PatternMatcher::Match(int i) const {
    if (matches_ == nullptr || i < 1 || i > Count(matches_)) return nullptr;
    Variant m;
    Item(matches_, i - 1, m);
    return m.TakeDispatch();
}

namespace {

// The engine counts UTF-16 units; positions handed out count GBK bytes of the stored text.
int ByteOffsetOf(const std::string& text, int wideIndex) {
    const std::wstring w = Wide(text);
    if (wideIndex <= 0) return 0;
    if (static_cast<size_t>(wideIndex) >= w.size()) return static_cast<int>(text.size());
    return static_cast<int>(Narrow(w.data(), wideIndex).size());
}

void LocateFrom(const std::string& text, const std::string& value, int wideFirstIndex, int* position) {
    if (position == nullptr) return;
    const int from = ByteOffsetOf(text, wideFirstIndex);
    const int p = Find(text, value, from + 1);
    *position = p == -1 ? -1 : p - 1;
}

}  // namespace

std::string PatternMatcher::MatchText(int i, int* position) const {
    DispatchRef m(Match(i));
    if (!m) {
        if (position != nullptr) *position = -1;
        return {};
    }
    Variant value, first;
    Get(m.get(), L"Value", value);
    std::string s = value.AsText();
    if (position != nullptr) {
        Get(m.get(), L"FirstIndex", first);
        LocateFrom(text_, s, first.AsInt(), position);
    }
    return s;
}

std::string PatternMatcher::SubMatchText(int i, int j, int* position) const {
    if (position != nullptr) *position = -1;
    DispatchRef m(Match(i));
    if (!m) return {};
    Variant subs;
    Get(m.get(), L"SubMatches", subs);
    DispatchRef groups(subs.TakeDispatch());
    if (!groups || j < 1 || j > Count(groups.get())) return {};
    Variant g;
    Item(groups.get(), j - 1, g);
    std::string s = g.AsText();  // a group that did not take part is empty
    if (position != nullptr) {
        Variant first;
        Get(m.get(), L"FirstIndex", first);
        LocateFrom(text_, s, first.AsInt(), position);
    }
    return s;
}

int PatternMatcher::SubMatchCount() const {
    DispatchRef m(Match(1));
    if (!m) return 0;
    Variant subs;
    Get(m.get(), L"SubMatches", subs);
    DispatchRef groups(subs.TakeDispatch());
    return groups ? Count(groups.get()) : 0;
}

}  // namespace text
