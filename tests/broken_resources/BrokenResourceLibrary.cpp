// A resource library with one fault, chosen by a TARN_BROKEN_* definition: an export left out
// or an answer the component does not accept. It carries no resource table, so the component
// shows its own copies of the messages.
#define TARN_EXPORT __attribute__((visibility("default")))

extern "C" {

#ifndef TARN_BROKEN_NO_INTERFACE_VERSION
TARN_EXPORT void GetDLLInterfaceVersion(int* major, int* minor) {
    *major = 1;
#ifdef TARN_BROKEN_WRONG_INTERFACE_VERSION
    *minor = 1;
#else
    *minor = 0;
#endif
}
#endif

#ifndef TARN_BROKEN_NO_PRODUCT_VERSION
TARN_EXPORT const char* GetDLLProductVersion() {
#ifdef TARN_BROKEN_WRONG_PRODUCT_VERSION
    return "1.0.1";
#else
    return "1.0";
#endif
}
#endif

#ifndef TARN_BROKEN_NO_ORDINAL_VERSION
TARN_EXPORT int GetDLLOrdinalVersion() {
#ifdef TARN_BROKEN_WRONG_ORDINAL_VERSION
    return 2;
#else
    return 1;
#endif
}
#endif

#ifndef TARN_BROKEN_NO_TYPE
TARN_EXPORT const char* GetDLLType() {
#ifdef TARN_BROKEN_WRONG_TYPE
    return "Resources";
#else
    return "Resource";
#endif
}
#endif

}  // extern "C"
