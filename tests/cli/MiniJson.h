#pragma once
// A small strict JSON reader for checking the output of ruvek-cli: objects,
// arrays, strings (with \uXXXX escapes decoded to UTF-8), integers, true,
// false, null. Anything else fails the parse.
#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace minijson {

struct Value {
    enum class Type { Null, Bool, Number, String, Array, Object } type = Type::Null;
    bool boolean = false;
    long long number = 0;
    std::string string;
    std::vector<Value> array;
    std::vector<std::pair<std::string, Value>> object; // in document order

    const Value& operator[](const std::string& key) const
    {
        for (const auto& [k, v] : object)
            if (k == key)
                return v;
        throw std::runtime_error("missing key " + key);
    }
    const Value& operator[](std::size_t i) const { return array.at(i); }
    bool has(const std::string& key) const
    {
        for (const auto& [k, v] : object)
            if (k == key)
                return true;
        return false;
    }
};

class Parser {
public:
    explicit Parser(const std::string& text) : s_(text) {}

    Value parseDocument()
    {
        Value v = parseValue();
        skipWs();
        if (pos_ != s_.size())
            fail("trailing characters");
        return v;
    }

private:
    [[noreturn]] void fail(const std::string& what)
    {
        throw std::runtime_error("JSON: " + what + " at " + std::to_string(pos_));
    }
    void skipWs()
    {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\n' || s_[pos_] == '\r' || s_[pos_] == '\t'))
            ++pos_;
    }
    char peek()
    {
        skipWs();
        if (pos_ >= s_.size())
            fail("unexpected end");
        return s_[pos_];
    }
    void expect(char c)
    {
        if (peek() != c)
            fail(std::string("expected ") + c);
        ++pos_;
    }
    bool literal(const char* word)
    {
        const std::string w(word);
        if (s_.compare(pos_, w.size(), w) == 0) {
            pos_ += w.size();
            return true;
        }
        return false;
    }

    static void appendUtf8(std::string& out, std::uint32_t cp)
    {
        if (cp < 0x80)
            out += static_cast<char>(cp);
        else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }

    std::string parseString()
    {
        expect('"');
        std::string out;
        while (true) {
            if (pos_ >= s_.size())
                fail("unterminated string");
            const char c = s_[pos_++];
            if (c == '"')
                return out;
            if (static_cast<unsigned char>(c) < 0x20)
                fail("raw control character in string");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (pos_ >= s_.size())
                fail("bad escape");
            const char e = s_[pos_++];
            switch (e) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                if (pos_ + 4 > s_.size())
                    fail("short \\u escape");
                appendUtf8(out, static_cast<std::uint32_t>(std::stoul(s_.substr(pos_, 4), nullptr, 16)));
                pos_ += 4;
                break;
            }
            default: fail("unknown escape");
            }
        }
    }

    Value parseValue()
    {
        Value v;
        const char c = peek();
        if (c == '{') {
            v.type = Value::Type::Object;
            ++pos_;
            if (peek() == '}') {
                ++pos_;
                return v;
            }
            while (true) {
                std::string key = parseString();
                expect(':');
                v.object.emplace_back(std::move(key), parseValue());
                if (peek() == ',') {
                    ++pos_;
                    continue;
                }
                expect('}');
                return v;
            }
        }
        if (c == '[') {
            v.type = Value::Type::Array;
            ++pos_;
            if (peek() == ']') {
                ++pos_;
                return v;
            }
            while (true) {
                v.array.push_back(parseValue());
                if (peek() == ',') {
                    ++pos_;
                    continue;
                }
                expect(']');
                return v;
            }
        }
        if (c == '"') {
            v.type = Value::Type::String;
            v.string = parseString();
            return v;
        }
        if (literal("true")) {
            v.type = Value::Type::Bool;
            v.boolean = true;
            return v;
        }
        if (literal("false")) {
            v.type = Value::Type::Bool;
            return v;
        }
        if (literal("null"))
            return v;
        if (c == '-' || (c >= '0' && c <= '9')) {
            const std::size_t start = pos_;
            if (s_[pos_] == '-')
                ++pos_;
            while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9')
                ++pos_;
            v.type = Value::Type::Number;
            v.number = std::stoll(s_.substr(start, pos_ - start));
            return v;
        }
        fail("unexpected character");
    }

    const std::string& s_;
    std::size_t pos_ = 0;
};

inline Value parse(const std::string& text) { return Parser(text).parseDocument(); }

} // namespace minijson
