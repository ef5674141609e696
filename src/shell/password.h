#pragma once
// The stored form of the start-up password 使用密码. The settings file must not hand the
// password to whoever opens it, so it holds a salted one-way hash:
//     "h1$" <salt, hex> "$" <SHA-256 of salt bytes followed by the password's UTF-8, hex>
// The settings window writes with makeStoredPassword; the login checks what is typed with
// passwordMatches. An empty value means no password.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrin::shell {

using Sha256Digest = std::array<std::uint8_t, 32>;
Sha256Digest sha256(std::string_view bytes);
std::string toHex(std::string_view bytes);

constexpr std::size_t kPasswordSaltBytes = 16;

// The stored form of a password with the given salt bytes.
std::string makeStoredPassword(std::string_view password, std::string_view salt);
// The stored form with a fresh random salt; an empty password stays empty (no password).
std::string makeStoredPassword(std::string_view password);

// Whether a password is set. Any value that is not empty asks for one, even one this program
// did not write: a damaged value must not open the program without the password.
bool isPasswordSet(std::string_view stored);
// Whether the typed text is the password, compared exactly (every character and its case).
// A stored value that is not in the hash form matches nothing.
bool passwordMatches(std::string_view stored, std::string_view typed);

}  // namespace kestrin::shell
