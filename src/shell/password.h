#pragma once
// The stored form of the start-up password 使用密码. The settings file must not hand the
// password to whoever opens it, nor let a password the user also keeps elsewhere be found
// cheaply by trying candidates, so it holds an Argon2id hash in libsodium's string form:
//     "$argon2id$v=19$m=<KiB>,t=<passes>,p=1$<salt>$<hash>"
// Values written by earlier builds, "h1$" <salt, hex> "$" <SHA-256 of salt bytes followed by
// the password's UTF-8, hex>, are still read, so that a password set then still opens the
// program. The settings window writes with makeStoredPassword; the login checks what is typed
// with passwordMatches. An empty value means no password.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrin::shell {

using Sha256Digest = std::array<std::uint8_t, 32>;
Sha256Digest sha256(std::string_view bytes);
std::string toHex(std::string_view bytes);

// The cost of one hash. The login checks the typed text on every keystroke, so one check must
// stay short enough not to be felt while costing a guesser as much memory as that time allows:
// two passes over 20 MiB take about 20 ms of one core (bench/password_bench).
inline constexpr unsigned long long kPasswordPasses = 2;
inline constexpr std::size_t kPasswordMemoryBytes = std::size_t{20} << 20;

// The stored form of a password with a fresh random salt; an empty password stays empty (no
// password). Nothing when the hash could not be made (too little memory).
std::optional<std::string> makeStoredPassword(std::string_view password);

// Whether a password is set. Any value that is not empty asks for one, even one this program
// did not write: a damaged value must not open the program without the password.
bool isPasswordSet(std::string_view stored);
// Whether the typed text is the password, compared exactly (every character and its case).
// A stored value in neither form matches nothing.
bool passwordMatches(std::string_view stored, std::string_view typed);

}  // namespace kestrin::shell
