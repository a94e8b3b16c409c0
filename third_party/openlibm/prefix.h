/*
 * Not part of OpenLibm: included before each of its files when the engine is
 * built. Every external name gets the prefix olm_, so that nothing clashes
 * with the C runtime's functions of the same names, in the engine's shared
 * library or in a program that links the engine statically; the engine
 * declares the functions it uses in engine/src/portableMath.h.
 */
#ifndef OLM_PREFIX_H
#define OLM_PREFIX_H

/* Skip openlibm_defs.h: its OLM_DLLEXPORT would export every function from
   the engine's DLL and give them default visibility in the shared library. */
#define OPENLIBM_DEFS_H_
#define OLM_DLLEXPORT

/* The aliases (ldexp for scalbn) name their target unprefixed; none is used. */
#define __strong_reference(sym, alias)
#define __weak_reference(sym, alias)

#define sin olm_sin
#define cos olm_cos
#define tan olm_tan
#define asin olm_asin
#define acos olm_acos
#define atan olm_atan
#define sqrt olm_sqrt
#define exp olm_exp
#define log olm_log
#define log10 olm_log10
#define pow olm_pow

#define copysign olm_copysign
#define fabs olm_fabs
#define floor olm_floor
#define scalbn olm_scalbn
#define __kernel_sin olm_kernel_sin
#define __kernel_cos olm_kernel_cos
#define __kernel_tan olm_kernel_tan
#define __kernel_rem_pio2 olm_kernel_rem_pio2
#define __ieee754_rem_pio2 olm_ieee754_rem_pio2

#endif
