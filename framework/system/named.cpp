#include "framework/system/named.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <map>

namespace named {
namespace {

struct Entry {
    Type type = Type::I32;
    char* base = nullptr;
    int count = 1;
    size_t stride = 0;
    bool isArray = false;  // scalar array
    bool isPool = false;
    std::vector<Field> fields;
    std::string activeField;
};

std::map<std::string, Entry>& Table() {
    static std::map<std::string, Entry> table;
    return table;
}

bool IsFloat(Type t) { return t == Type::F32 || t == Type::F64; }

double Load(Type t, const char* p) {
    switch (t) {
    case Type::I8: { int8_t v; std::memcpy(&v, p, 1); return v; }
    case Type::U8: { uint8_t v; std::memcpy(&v, p, 1); return v; }
    case Type::I16: { int16_t v; std::memcpy(&v, p, 2); return v; }
    case Type::U16: { uint16_t v; std::memcpy(&v, p, 2); return v; }
    case Type::I32: { int32_t v; std::memcpy(&v, p, 4); return v; }
    case Type::U32: { uint32_t v; std::memcpy(&v, p, 4); return v; }
    case Type::I64: { int64_t v; std::memcpy(&v, p, 8); return static_cast<double>(v); }
    case Type::U64: { uint64_t v; std::memcpy(&v, p, 8); return static_cast<double>(v); }
    case Type::F32: { float v; std::memcpy(&v, p, 4); return v; }
    case Type::F64: { double v; std::memcpy(&v, p, 8); return v; }
    }
    return 0;
}

std::string Format(Type t, const char* p) {
    char buf[64];
    switch (t) {
    case Type::I64: { int64_t v; std::memcpy(&v, p, 8); std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(v)); return buf; }
    case Type::U64: { uint64_t v; std::memcpy(&v, p, 8); std::snprintf(buf, sizeof buf, "%llu", static_cast<unsigned long long>(v)); return buf; }
    case Type::F32:
    case Type::F64: std::snprintf(buf, sizeof buf, "%g", Load(t, p)); return buf;
    default: std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(Load(t, p))); return buf;
    }
}

// The whole numbers a field of an integer type holds (an unsigned 64-bit
// one only up to the signed limit, as far as its text is read).
void Limits(Type t, long long& lo, long long& hi) {
    switch (t) {
    case Type::I8: lo = INT8_MIN; hi = INT8_MAX; return;
    case Type::U8: lo = 0; hi = UINT8_MAX; return;
    case Type::I16: lo = INT16_MIN; hi = INT16_MAX; return;
    case Type::U16: lo = 0; hi = UINT16_MAX; return;
    case Type::I32: lo = INT32_MIN; hi = INT32_MAX; return;
    case Type::U32: lo = 0; hi = UINT32_MAX; return;
    case Type::U64: lo = 0; hi = INT64_MAX; return;
    default: lo = INT64_MIN; hi = INT64_MAX; return;
    }
}

// Reads the text of a value for a field of type t: for a float field any
// number that rounds to a finite value of its type; for an integer field a
// whole decimal number it holds. False, with why, for text that is no such
// number.
bool ReadValue(Type t, const std::string& text, double& real, long long& whole, std::string* why) {
    char* end = nullptr;
    if (IsFloat(t)) {
        // Read in the field's own precision, so that the largest float,
        // written as the shortest text that reads back to it, is taken.
        real = t == Type::F32 ? std::strtof(text.c_str(), &end) : std::strtod(text.c_str(), &end);
        if (text.empty() || *end) {
            if (why) *why = text + " is not a number";
            return false;
        }
        if (std::isfinite(real)) return true;
        const double most = t == Type::F32 ? FLT_MAX : DBL_MAX;
        char range[64];
        std::snprintf(range, sizeof range, "%g to %g", -most, most);
        if (why) *why = text + " is out of range, " + range;
        return false;
    }
    long long lo = 0, hi = 0;
    Limits(t, lo, hi);
    switch (ReadWhole(text, lo, hi, whole)) {
    case WholeText::Ok: return true;
    case WholeText::OutOfRange:
        if (why) *why = text + " is out of range, " + std::to_string(lo) + " to " + std::to_string(hi);
        return false;
    case WholeText::NotWhole:
        std::strtod(text.c_str(), &end);
        if (why) *why = text + (text.empty() || *end ? " is not a number" : " is not a whole number");
        return false;
    }
    return false;
}

void Store(Type t, char* p, double real, long long whole) {
    switch (t) {
    case Type::F32: { auto x = static_cast<float>(real); std::memcpy(p, &x, 4); break; }
    case Type::F64: std::memcpy(p, &real, 8); break;
    case Type::I8: case Type::U8: { auto x = static_cast<uint8_t>(whole); std::memcpy(p, &x, 1); break; }
    case Type::I16: case Type::U16: { auto x = static_cast<uint16_t>(whole); std::memcpy(p, &x, 2); break; }
    case Type::I32: case Type::U32: { auto x = static_cast<uint32_t>(whole); std::memcpy(p, &x, 4); break; }
    default: std::memcpy(p, &whole, 8); break;
    }
}

// Resolves an expression to an address and a type.
bool Resolve(const std::string& expr, Type& type, char*& addr) {
    auto& table = Table();
    std::string name = expr, field;
    long index = -1;
    auto dot = name.find('.');
    if (dot != std::string::npos) {
        field = name.substr(dot + 1);
        if (field.empty()) return false;
        name.resize(dot);
    }
    auto br = name.find('[');
    if (br != std::string::npos) {
        auto close = name.find(']', br);
        if (close == std::string::npos || close != name.size() - 1) return false;
        // Digits only, as the names are listed: no sign, no space.
        const std::string num = name.substr(br + 1, close - br - 1);
        long long at = 0;
        if (num.find_first_not_of("0123456789") != std::string::npos ||
            ReadWhole(num, 0, std::numeric_limits<long>::max(), at) != WholeText::Ok)
            return false;
        index = static_cast<long>(at);
        name.resize(br);
    }
    auto it = table.find(name);
    if (it == table.end()) return false;
    const Entry& e = it->second;
    if (!e.isPool && !e.isArray) {
        if (index >= 0 || !field.empty()) return false;
        type = e.type;
        addr = e.base;
        return true;
    }
    if (index < 0) index = 0;
    if (index >= e.count) return false;
    char* rec = e.base + static_cast<size_t>(index) * e.stride;
    if (e.isArray) {
        if (!field.empty()) return false;
        type = e.type;
        addr = rec;
        return true;
    }
    for (const auto& f : e.fields) {
        if (field == f.name) {
            type = f.type;
            addr = rec + f.offset;
            return true;
        }
    }
    return false;
}

// Resolves the expression and reads the value for its field; false, with
// why, when either cannot be done.
bool Target(const std::string& expr, const std::string& value, Type& t, char*& p, double& real, long long& whole,
            std::string* why) {
    if (!Resolve(expr, t, p)) {
        if (why) *why = expr.rfind("active:", 0) == 0 ? expr + " is a count, not a value" : "unknown name " + expr;
        return false;
    }
    return ReadValue(t, value, real, whole, why);
}

bool CountActive(const std::string& pool, std::string& out) {
    auto it = Table().find(pool);
    if (it == Table().end() || !it->second.isPool) return false;
    const Entry& e = it->second;
    const Field* af = nullptr;
    for (const auto& f : e.fields)
        if (!e.activeField.empty() && e.activeField == f.name) af = &f;
    if (!af) return false;
    int n = 0;
    for (int i = 0; i < e.count; ++i)
        if (Load(af->type, e.base + static_cast<size_t>(i) * e.stride + af->offset) != 0) ++n;
    out = std::to_string(n);
    return true;
}

// Every name is registered once; a second registration is a fault of the
// program, found at start-up.
void Insert(const char* name, Entry e) {
    auto [at, added] = Table().try_emplace(name, std::move(e));
    if (!added) {
        std::fprintf(stderr, "named: %s is registered twice\n", name);
        std::abort();
    }
}

}  // namespace

void AddScalar(const char* name, Type type, void* address) {
    Entry e;
    e.type = type;
    e.base = static_cast<char*>(address);
    Insert(name, std::move(e));
}

void AddArray(const char* name, Type type, void* base, int count, size_t stride) {
    Entry e;
    e.type = type;
    e.base = static_cast<char*>(base);
    e.count = count;
    e.stride = stride;
    e.isArray = true;
    Insert(name, std::move(e));
}

void AddPool(const char* name, void* base, int count, size_t stride, std::vector<Field> fields,
             const char* activeField) {
    Entry e;
    e.base = static_cast<char*>(base);
    e.count = count;
    e.stride = stride;
    e.isPool = true;
    e.fields = std::move(fields);
    e.activeField = activeField ? activeField : "";
    if (!e.activeField.empty() &&
        std::none_of(e.fields.begin(), e.fields.end(),
                     [&](const Field& f) { return e.activeField == f.name; })) {
        std::fprintf(stderr, "named: the active field %s of %s is not among its fields\n",
                     e.activeField.c_str(), name);
        std::abort();
    }
    Insert(name, std::move(e));
}

size_t SizeOf(Type t) {
    switch (t) {
    case Type::I8: case Type::U8: return 1;
    case Type::I16: case Type::U16: return 2;
    case Type::I32: case Type::U32: case Type::F32: return 4;
    default: return 8;
    }
}

WholeText ReadWhole(const std::string& text, long long lo, long long hi, long long& out) {
    char* end = nullptr;
    errno = 0;
    out = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end) return WholeText::NotWhole;
    if (errno == ERANGE || out < lo || out > hi) return WholeText::OutOfRange;
    return WholeText::Ok;
}

bool Read(const std::string& expr, std::string& out) {
    if (expr.rfind("active:", 0) == 0) return CountActive(expr.substr(7), out);
    Type t;
    char* p;
    if (!Resolve(expr, t, p)) return false;
    out = Format(t, p);
    return true;
}

bool CanWrite(const std::string& expr, const std::string& value, std::string* why) {
    Type t;
    char* p;
    double real = 0;
    long long whole = 0;
    return Target(expr, value, t, p, real, whole, why);
}

bool Write(const std::string& expr, const std::string& value) {
    Type t;
    char* p;
    double real = 0;
    long long whole = 0;
    if (!Target(expr, value, t, p, real, whole, nullptr)) return false;
    Store(t, p, real, whole);
    return true;
}

void ForEach(const std::function<void(const std::string& name, char* base, int count, size_t stride,
                                      const std::vector<Field>& fields)>& visit) {
    for (const auto& [name, e] : Table()) {
        if (e.isPool)
            visit(name, e.base, e.count, e.stride, e.fields);
        else
            visit(name, e.base, e.count, e.isArray ? e.stride : SizeOf(e.type), {Field{"", e.type, 0}});
    }
}

}  // namespace named
