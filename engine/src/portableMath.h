// The mathematics of the built-ins and of '^', from the portable library
// compiled into the engine (third_party/openlibm): the C runtimes' own
// functions differ in their last bits from one platform to the next, and the
// 32-bit Windows one is plainly wrong for large arguments of sin and cos.
#ifndef QUORIN_PORTABLE_MATH_H
#define QUORIN_PORTABLE_MATH_H

extern "C" {
double olm_sin(double x);
double olm_cos(double x);
double olm_tan(double x);
double olm_asin(double x);
double olm_acos(double x);
double olm_atan(double x);
double olm_sqrt(double x);
double olm_exp(double x);
double olm_log10(double x);
double olm_log(double x);
double olm_pow(double base, double exponent);
}

namespace quorin::portableMath {

inline double sin(double x) {
    return olm_sin(x);
}
inline double cos(double x) {
    return olm_cos(x);
}
inline double tan(double x) {
    return olm_tan(x);
}
inline double asin(double x) {
    return olm_asin(x);
}
inline double acos(double x) {
    return olm_acos(x);
}
inline double atan(double x) {
    return olm_atan(x);
}
inline double sqrt(double x) {
    return olm_sqrt(x);
}
inline double exp(double x) {
    return olm_exp(x);
}
inline double log10(double x) {
    return olm_log10(x);
}
inline double log(double x) {
    return olm_log(x);
}
inline double pow(double base, double exponent) {
    return olm_pow(base, exponent);
}

} // namespace quorin::portableMath

#endif
