#pragma once

// Four floats handled as one value: a premultiplied RGBA pixel. With GCC and Clang this is a
// native vector, so every pixel operation is one SIMD instruction on SSE, AVX and NEON alike.

namespace iconsmith {

#if defined(__GNUC__) || defined(__clang__)
using Float4 = float __attribute__((vector_size(16)));
#else
struct Float4
{
    float v[4] = {};
    float &operator[](int i) { return v[i]; }
    float operator[](int i) const { return v[i]; }
    Float4 &operator+=(const Float4 &o)
    {
        for (int i = 0; i < 4; ++i)
            v[i] += o.v[i];
        return *this;
    }
    friend Float4 operator+(Float4 a, const Float4 &b) { return a += b; }
    friend Float4 operator*(Float4 a, const Float4 &b)
    {
        for (int i = 0; i < 4; ++i)
            a.v[i] *= b.v[i];
        return a;
    }
    friend Float4 operator*(Float4 a, float s)
    {
        for (float &x : a.v)
            x *= s;
        return a;
    }
    friend Float4 operator*(float s, Float4 a) { return a * s; }
};
#endif

#if defined(__GNUC__) || defined(__clang__)
/** Lane-wise minimum and maximum. */
inline Float4 min4(Float4 a, Float4 b)
{
    return a < b ? a : b;
}
inline Float4 max4(Float4 a, Float4 b)
{
    return a > b ? a : b;
}
#else
inline Float4 min4(Float4 a, Float4 b)
{
    for (int i = 0; i < 4; ++i)
        a[i] = a[i] < b[i] ? a[i] : b[i];
    return a;
}
inline Float4 max4(Float4 a, Float4 b)
{
    for (int i = 0; i < 4; ++i)
        a[i] = a[i] > b[i] ? a[i] : b[i];
    return a;
}
#endif

/** A Float4 with every lane set to @p value. */
inline Float4 splat(float value)
{
    return Float4{value, value, value, value};
}

} // namespace iconsmith
