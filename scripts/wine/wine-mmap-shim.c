/*
 * Preloaded into Wine's 32-bit processes when they run under qemu-user, on
 * kernels that run no 32-bit code themselves.
 *
 * Wine reserves its address space with mmap(MAP_FIXED_NOREPLACE) at chosen
 * addresses. qemu-user treats that address as a mere hint and maps elsewhere,
 * so Wine, seeing the wrong address, halves the range and tries again, down to
 * 64 KiB pieces: tens of thousands of calls and close to a minute per process
 * start. This shim gives those calls their meaning: the mapping is placed
 * exactly where asked if the guest's address range is free (as qemu's view of
 * /proc/self/maps shows it), and refused with EEXIST otherwise.
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <pthread.h>
#include <stdint.h>
#include <sys/mman.h>
#include <unistd.h>

#ifndef MAP_FIXED_NOREPLACE
#define MAP_FIXED_NOREPLACE 0x100000
#endif

static char maps[1 << 20];
static pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;

static unsigned long parse_hex(const char** p) {
  unsigned long value = 0;
  for (;; ++*p) {
    const char c = **p;
    if (c >= '0' && c <= '9') {
      value = value * 16 + (unsigned long)(c - '0');
    } else if (c >= 'a' && c <= 'f') {
      value = value * 16 + (unsigned long)(c - 'a' + 10);
    } else {
      return value;
    }
  }
}

/* True if no mapping of this process overlaps [start, end). */
static int range_is_free(unsigned long start, unsigned long end) {
  const int fd = open("/proc/self/maps", O_RDONLY | O_CLOEXEC);
  if (fd < 0) return 0;
  size_t used = 0;
  ssize_t got;
  while (used < sizeof maps - 1 && (got = read(fd, maps + used, sizeof maps - 1 - used)) > 0) used += (size_t)got;
  close(fd);
  maps[used] = 0;
  for (const char* p = maps; *p;) {
    const unsigned long low = parse_hex(&p);
    if (*p != '-') return 0;
    ++p;
    const unsigned long high = parse_hex(&p);
    if (low < end && start < high) return 0;
    while (*p && *p != '\n') ++p;
    if (*p) ++p;
  }
  return 1;
}

typedef void* (*mmap64_function)(void*, size_t, int, int, int, off64_t);

void* mmap64(void* address, size_t length, int protection, int flags, int fd, off64_t offset) {
  static mmap64_function next;
  if (!next) next = (mmap64_function)dlsym(RTLD_NEXT, "mmap64");
  if (!(flags & MAP_FIXED_NOREPLACE)) return next(address, length, protection, flags, fd, offset);
  const unsigned long start = (unsigned long)(uintptr_t)address;
  const unsigned long end = start + length;
  if (end < start) {
    errno = ENOMEM;
    return MAP_FAILED;
  }
  pthread_mutex_lock(&lock);
  void* result = MAP_FAILED;
  if (range_is_free(start, end)) {
    result = next(address, length, protection, (flags & ~MAP_FIXED_NOREPLACE) | MAP_FIXED, fd, offset);
  } else {
    errno = EEXIST;
  }
  pthread_mutex_unlock(&lock);
  return result;
}

void* mmap(void* address, size_t length, int protection, int flags, int fd, off_t offset) {
  return mmap64(address, length, protection, flags, fd, (off64_t)offset);
}
