// An iconv_open that refuses every conversion from or to GBK and hands the
// others to the C library's own: preloaded (LD_PRELOAD) into a program, it
// shows how the program behaves in a C library without a GBK converter.
#include <dlfcn.h>
#include <iconv.h>

#include <cerrno>
#include <cstring>

extern "C" iconv_t iconv_open(const char* to, const char* from) {
  if (strcasestr(to, "GBK") || strcasestr(from, "GBK")) {
    errno = EINVAL;
    return reinterpret_cast<iconv_t>(-1);
  }
  using Open = iconv_t (*)(const char*, const char*);
  static const Open real = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "iconv_open"));
  return real(to, from);
}
