// The mathematics of the built-ins and of '^', from the portable library
// compiled into the engine (third_party/openlibm): the C runtimes' own
// functions differ in their last bits from one platform to the next, and the
// 32-bit Windows one is plainly wrong for large arguments of sin and cos.
// The square root is the exception: IEEE 754 rounds it correctly, as the
// portable library's own does bit by bit, and both builds compute it with
// the SSE2 instruction.
#ifndef QUORIN_PORTABLE_MATH_H
#define QUORIN_PORTABLE_MATH_H

extern "C" {
double olm_sin(double x);
double olm_cos(double x);
double olm_tan(double x);
double olm_asin(double x);
double olm_acos(double x);
double olm_atan(double x);
double olm_exp(double x);
double olm_log10(double x);
double olm_log(double x);
double olm_pow(double base, double exponent);
}

namespace quorin::portableMath {

inline constexpr auto sin = olm_sin;
inline constexpr auto cos = olm_cos;
inline constexpr auto tan = olm_tan;
inline constexpr auto asin = olm_asin;
inline constexpr auto acos = olm_acos;
inline constexpr auto atan = olm_atan;
inline double sqrt(double x) {
    return __builtin_sqrt(x);
}
inline constexpr auto exp = olm_exp;
inline constexpr auto log10 = olm_log10;
inline constexpr auto log = olm_log;
inline constexpr auto pow = olm_pow;

} // namespace quorin::portableMath

#endif
