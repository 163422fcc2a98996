#pragma once

namespace kvd {

// Lambdas joined into one visitor for std::visit over a setting's member or value.
template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
// Spelled out for compilers without deduction from aggregate initialisation (clang 14).
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace kvd
