// Named access to the game's globals, records and pools, for the play driver
// and the tests. Each module registers what it defines, from the same tables
// that define it, through a static Registrar in its own source file.
//
//   NAME                 a scalar global
//   NAME[i]              element i of a scalar array
//   RECORD.FIELD         field of a single record
//   POOL[i].FIELD        field of record i of a pool
//   active:POOL          how many records of POOL have their active field set
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <type_traits>
#include <vector>

namespace named {

enum class Type : uint8_t { I8, U8, I16, U16, I32, U32, I64, U64, F32, F64 };

template <class T>
constexpr Type TypeOf() {
    using U = std::remove_cv_t<std::remove_extent_t<T>>;
    if constexpr (std::is_same_v<U, float>) return Type::F32;
    else if constexpr (std::is_same_v<U, double>) return Type::F64;
    else if constexpr (std::is_enum_v<U>) return TypeOf<std::underlying_type_t<U>>();
    else if constexpr (sizeof(U) == 1) return std::is_signed_v<U> ? Type::I8 : Type::U8;
    else if constexpr (sizeof(U) == 2) return std::is_signed_v<U> ? Type::I16 : Type::U16;
    else if constexpr (sizeof(U) == 4) return std::is_signed_v<U> ? Type::I32 : Type::U32;
    else return std::is_signed_v<U> ? Type::I64 : Type::U64;
}

struct Field {
    const char* name;
    Type type;
    size_t offset;
};

// Registers a scalar global.
void AddScalar(const char* name, Type type, void* address);
template <class T>
void Scalar(const char* name, T* address) {
    AddScalar(name, TypeOf<T>(), const_cast<std::remove_cv_t<T>*>(address));
}

// Registers an array of scalars, read as NAME[i].
void AddArray(const char* name, Type type, void* base, int count, size_t stride);
template <class T, size_t N>
void Array(const char* name, T (&array)[N]) {
    AddArray(name, TypeOf<T>(), array, static_cast<int>(N), sizeof(T));
}

// Registers a pool of records (count 1 for a single record). activeField
// names the field that active:POOL counts; nullptr for none.
void AddPool(const char* name, void* base, int count, size_t stride, std::vector<Field> fields,
             const char* activeField);
template <class R, size_t N>
void Pool(const char* name, R (&records)[N], std::vector<Field> fields, const char* activeField = "active") {
    AddPool(name, records, static_cast<int>(N), sizeof(R), std::move(fields), activeField);
}
template <class R>
void Record(const char* name, R& record, std::vector<Field> fields) {
    AddPool(name, &record, 1, sizeof(R), std::move(fields), nullptr);
}

// How text reads as a whole decimal number (a sign, then digits).
enum class WholeText { Ok, NotWhole, OutOfRange };
// Reads text as a whole decimal number of [lo, hi] to out; every whole
// number the play driver takes, its own or a field's, is read this way.
WholeText ReadWhole(const std::string& text, long long lo, long long hi, long long& out);

// Reads an expression as text: integers in decimal, floats as %g.
bool Read(const std::string& expr, std::string& out);
// Writes a value through an expression: a whole decimal number into an
// integer field, any finite number into a float field (rounded to it).
// False, and nothing written, for an unknown name or a value its field
// cannot hold.
bool Write(const std::string& expr, const std::string& value);
// Whether Write would take the value; else why not, in a few words.
bool CanWrite(const std::string& expr, const std::string& value, std::string* why);
// Visits every registered name in name order with where its values lie:
// count records of stride bytes from base, each holding the given fields (a
// scalar or an array is one field at offset 0 of each of its elements).
size_t SizeOf(Type type);
void ForEach(const std::function<void(const std::string& name, char* base, int count, size_t stride,
                                      const std::vector<Field>& fields)>& visit);

struct Registrar {
    explicit Registrar(void (*fn)()) { fn(); }
};

}  // namespace named

#define NAMED_FIELD(Rec, member) \
    named::Field { #member, named::TypeOf<decltype(Rec::member)>(), offsetof(Rec, member) }

// Registration that takes the name from the identifier, so a name is typed once.
#define NAMED_SCALAR(x) named::Scalar(#x, &(x))
#define NAMED_ARRAY(x) named::Array(#x, x)
#define NAMED_POOL(x, ...) named::Pool(#x, x, __VA_ARGS__)
#define NAMED_RECORD(x, ...) named::Record(#x, x, __VA_ARGS__)
