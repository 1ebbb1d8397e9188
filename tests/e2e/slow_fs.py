#!/usr/bin/python3
"""A read-only mirror of a folder in which every lookup inside one chosen sub-folder, and every
listing of it, first sleeps a set time, like a share whose server has gone away. The sub-folder
itself is found at once, as a mount point would be. The time is read from a file at each call,
so that a test can change it while the file system is mounted.
Usage: slow_fs.py <source> <mount point> <slow sub-folder name> <file holding the seconds>"""
import errno
import os
import sys
import time

from fusepy import FUSE, FuseOSError, Operations


class SlowMirror(Operations):
    def __init__(self, source, slow, delay_file):
        self.source = source
        self.slow = "/" + slow
        self.delay_file = delay_file

    def _real(self, path, listing=False):
        if path.startswith(self.slow + "/") or (listing and path == self.slow):
            with open(self.delay_file) as delay:
                time.sleep(float(delay.read()))
        return os.path.join(self.source, path.lstrip("/"))

    def getattr(self, path, fh=None):
        try:
            st = os.lstat(self._real(path))
        except OSError as error:
            raise FuseOSError(error.errno)
        return {key: getattr(st, key) for key in
                ("st_mode", "st_size", "st_nlink", "st_uid", "st_gid", "st_atime", "st_mtime", "st_ctime")}

    def readdir(self, path, fh):
        return [".", ".."] + os.listdir(self._real(path, listing=True))

    def open(self, path, flags):
        if flags & (os.O_WRONLY | os.O_RDWR):
            raise FuseOSError(errno.EROFS)
        return os.open(self._real(path), flags)

    def read(self, path, size, offset, fh):
        os.lseek(fh, offset, 0)
        return os.read(fh, size)

    def release(self, path, fh):
        os.close(fh)

    def statfs(self, path):
        st = os.statvfs(self.source)
        return {key: getattr(st, key) for key in
                ("f_bsize", "f_frsize", "f_blocks", "f_bfree", "f_bavail", "f_files", "f_ffree", "f_namemax")}


if __name__ == "__main__":
    source, mount_point, slow, delay_file = sys.argv[1:5]
    FUSE(SlowMirror(os.path.abspath(source), slow, os.path.abspath(delay_file)), mount_point,
         foreground=True, nothreads=False, ro=True,
         # The system asks about a file several times in a row; like a network client, the
         # kernel answers the repeats from what it learnt a moment ago.
         attr_timeout=5, entry_timeout=5, negative_timeout=0)
