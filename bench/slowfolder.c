// A folder that answers slowly, for the hand-in benchmark: a FUSE
// passthrough to BACKING whose every create, write, rename and fsync waits
// DELAY_MS first, as a share on a bad network might. Everything else
// (looking a file up, listing, reading) answers at once, so that a program
// can still tell the folder is there. Requests are served on several
// threads: a write that waits does not hold up a look at the folder.
//
//   bench_slowfolder BACKING MOUNTPOINT [DELAY_MS] [FUSE OPTIONS...]
//
// Runs in the foreground until unmounted (fusermount3 -u MOUNTPOINT) or
// killed; killed, its mount stays behind, every request to it failing with
// ENOTCONN, as a share gone offline, until unmounted.
#define FUSE_USE_VERSION 31
#define _GNU_SOURCE

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <fuse.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <time.h>
#include <unistd.h>

static int backing = -1; // the backing folder, opened once
static long delayMs = 2000;

// FUSE paths start with "/"; relative to the backing folder's descriptor
// they never leave it.
static const char* relative(const char* path) {
    while (*path == '/')
        ++path;
    return *path ? path : ".";
}

static void answerSlowly(void) {
    struct timespec left = {delayMs / 1000, (delayMs % 1000) * 1000000L};
    while (nanosleep(&left, &left) == -1 && errno == EINTR) {
    }
}

static int result(int status) {
    return status == -1 ? -errno : 0;
}

static int sf_getattr(const char* path, struct stat* st, struct fuse_file_info* fi) {
    if (fi)
        return result(fstat((int)fi->fh, st));
    return result(fstatat(backing, relative(path), st, AT_SYMLINK_NOFOLLOW));
}

static int sf_access(const char* path, int mask) {
    return result(faccessat(backing, relative(path), mask, 0));
}

static int sf_readdir(const char* path, void* buf, fuse_fill_dir_t fill, off_t offset,
                      struct fuse_file_info* fi, enum fuse_readdir_flags flags) {
    (void)offset, (void)fi, (void)flags;
    const int fd = openat(backing, relative(path), O_RDONLY | O_DIRECTORY);
    if (fd == -1)
        return -errno;
    DIR* dir = fdopendir(fd);
    if (!dir) {
        close(fd);
        return -ENOMEM;
    }
    for (struct dirent* entry; (entry = readdir(dir));) {
        struct stat st = {.st_ino = entry->d_ino, .st_mode = (mode_t)DTTOIF(entry->d_type)};
        if (fill(buf, entry->d_name, &st, 0, 0))
            break;
    }
    closedir(dir);
    return 0;
}

static int sf_mkdir(const char* path, mode_t mode) {
    return result(mkdirat(backing, relative(path), mode));
}

static int sf_unlink(const char* path) {
    return result(unlinkat(backing, relative(path), 0));
}

static int sf_rmdir(const char* path) {
    return result(unlinkat(backing, relative(path), AT_REMOVEDIR));
}

static int sf_rename(const char* from, const char* to, unsigned int flags) {
    answerSlowly();
    return result(renameat2(backing, relative(from), backing, relative(to), flags));
}

static int sf_chmod(const char* path, mode_t mode, struct fuse_file_info* fi) {
    if (fi)
        return result(fchmod((int)fi->fh, mode));
    return result(fchmodat(backing, relative(path), mode, 0));
}

static int sf_truncate(const char* path, off_t size, struct fuse_file_info* fi) {
    if (fi)
        return result(ftruncate((int)fi->fh, size));
    const int fd = openat(backing, relative(path), O_WRONLY);
    if (fd == -1)
        return -errno;
    const int status = result(ftruncate(fd, size));
    close(fd);
    return status;
}

static int sf_utimens(const char* path, const struct timespec times[2], struct fuse_file_info* fi) {
    if (fi)
        return result(futimens((int)fi->fh, times));
    return result(utimensat(backing, relative(path), times, AT_SYMLINK_NOFOLLOW));
}

static int sf_create(const char* path, mode_t mode, struct fuse_file_info* fi) {
    answerSlowly();
    const int fd = openat(backing, relative(path), fi->flags, mode);
    if (fd == -1)
        return -errno;
    fi->fh = (uint64_t)fd;
    return 0;
}

static int sf_open(const char* path, struct fuse_file_info* fi) {
    const int fd = openat(backing, relative(path), fi->flags & ~O_NOFOLLOW);
    if (fd == -1)
        return -errno;
    fi->fh = (uint64_t)fd;
    return 0;
}

static int sf_read(const char* path, char* buf, size_t size, off_t offset,
                   struct fuse_file_info* fi) {
    (void)path;
    const ssize_t n = pread((int)fi->fh, buf, size, offset);
    return n == -1 ? -errno : (int)n;
}

static int sf_write(const char* path, const char* buf, size_t size, off_t offset,
                    struct fuse_file_info* fi) {
    (void)path;
    answerSlowly();
    const ssize_t n = pwrite((int)fi->fh, buf, size, offset);
    return n == -1 ? -errno : (int)n;
}

static int sf_statfs(const char* path, struct statvfs* st) {
    (void)path;
    return result(fstatvfs(backing, st));
}

static int sf_release(const char* path, struct fuse_file_info* fi) {
    (void)path;
    close((int)fi->fh);
    return 0;
}

static int sf_fsync(const char* path, int dataOnly, struct fuse_file_info* fi) {
    (void)path;
    answerSlowly();
    return result(dataOnly ? fdatasync((int)fi->fh) : fsync((int)fi->fh));
}

static void* sf_init(struct fuse_conn_info* conn, struct fuse_config* cfg) {
    (void)conn;
    // No caching of attributes or names: each look is a request, as on a
    // share whose files others change.
    cfg->use_ino = 1;
    cfg->entry_timeout = 0;
    cfg->attr_timeout = 0;
    cfg->negative_timeout = 0;
    return NULL;
}

static const struct fuse_operations operations = {
    .init = sf_init,
    .getattr = sf_getattr,
    .access = sf_access,
    .readdir = sf_readdir,
    .mkdir = sf_mkdir,
    .unlink = sf_unlink,
    .rmdir = sf_rmdir,
    .rename = sf_rename,
    .chmod = sf_chmod,
    .truncate = sf_truncate,
    .utimens = sf_utimens,
    .create = sf_create,
    .open = sf_open,
    .read = sf_read,
    .write = sf_write,
    .statfs = sf_statfs,
    .release = sf_release,
    .fsync = sf_fsync,
};

int main(int argc, char* argv[]) {
    if (argc < 3) {
        fprintf(stderr,
                "usage: bench_slowfolder BACKING MOUNTPOINT [DELAY_MS] [FUSE OPTIONS...]\n");
        return 2;
    }
    backing = open(argv[1], O_RDONLY | O_DIRECTORY);
    if (backing == -1) {
        perror(argv[1]);
        return 1;
    }
    int first = 3;
    if (argc > 3 && argv[3][0] != '-') {
        delayMs = strtol(argv[3], NULL, 10);
        first = 4;
    }
    // FUSE's own arguments: the mount point, in the foreground, then the rest.
    char* fuseArgs[64];
    int n = 0;
    fuseArgs[n++] = argv[0];
    fuseArgs[n++] = "-f";
    for (int i = first; i < argc && n < 62; ++i)
        fuseArgs[n++] = argv[i];
    fuseArgs[n++] = argv[2];
    fuseArgs[n] = NULL;
    return fuse_main(n, fuseArgs, &operations, NULL);
}
