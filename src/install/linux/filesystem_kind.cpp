// SPDX-License-Identifier: GPL-3.0-or-later
#include "filesystem_kind.h"

#include <filesystem>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>

namespace kavrel::install::linux_system {

namespace {

DriveType DriveTypeOfMagic(unsigned long magic) {
    switch (magic) {
    case ISOFS_SUPER_MAGIC:
    case UDF_SUPER_MAGIC:
        return DriveType::CdRom;
    case TMPFS_MAGIC: // also devtmpfs
    case RAMFS_MAGIC:
        return DriveType::RamDisk;
    case NFS_SUPER_MAGIC:
    case SMB_SUPER_MAGIC:
    case SMB2_SUPER_MAGIC:
    case CIFS_SUPER_MAGIC:
    case AFS_SUPER_MAGIC:
    case AFS_FS_MAGIC:
    case CODA_SUPER_MAGIC:
    case CEPH_SUPER_MAGIC:
    case V9FS_MAGIC:
        return DriveType::Remote;
    // Kernel interfaces that look like directories but hold no files of their own.
    case PROC_SUPER_MAGIC:
    case SYSFS_MAGIC:
    case DEVPTS_SUPER_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case SECURITYFS_MAGIC:
    case SELINUX_MAGIC:
    case SMACK_MAGIC:
    case PSTOREFS_MAGIC:
    case EFIVARFS_MAGIC:
    case BPF_FS_MAGIC:
    case BINFMTFS_MAGIC:
    case AUTOFS_SUPER_MAGIC:
    case HUGETLBFS_MAGIC:
    case NSFS_MAGIC:
    case OPENPROM_SUPER_MAGIC:
    case USBDEVICE_SUPER_MAGIC:
    case RDTGROUP_SUPER_MAGIC:
    case BINDERFS_SUPER_MAGIC:
    case PIPEFS_MAGIC:
    case SOCKFS_MAGIC:
        return DriveType::Unknown;
    default:
        return DriveType::Fixed;
    }
}

} // namespace

std::string NearestExistingAncestor(const std::string& path) {
    std::filesystem::path candidate = std::filesystem::path(path).lexically_normal();
    while (true) {
        struct stat info {};
        if (::stat(candidate.c_str(), &info) == 0) return candidate.string();
        const auto parent = candidate.parent_path();
        if (parent.empty() || parent == candidate) return {};
        candidate = parent;
    }
}

DriveType FilesystemDriveType(const std::string& path) {
    const std::string existing = NearestExistingAncestor(path);
    struct statfs fs {};
    struct statvfs vfs {};
    if (existing.empty() || ::statfs(existing.c_str(), &fs) != 0 ||
        ::statvfs(existing.c_str(), &vfs) != 0)
        return DriveType::NoRootDir;
    const DriveType type = DriveTypeOfMagic(static_cast<unsigned long>(fs.f_type));
    const bool writableKind = type == DriveType::Fixed || type == DriveType::Remote;
    if (writableKind && (vfs.f_flag & ST_RDONLY) != 0) return DriveType::ReadOnly;
    return type;
}

std::optional<DiskSpace> FilesystemSpace(const std::string& path) {
    const std::string existing = NearestExistingAncestor(path);
    struct statvfs vfs {};
    if (existing.empty() || ::statvfs(existing.c_str(), &vfs) != 0) return std::nullopt;
    // Blocks available to an unprivileged user, not the reserve kept for root.
    return DiskSpace{1, static_cast<std::uint64_t>(vfs.f_frsize),
                     static_cast<std::uint64_t>(vfs.f_bavail)};
}

} // namespace kavrel::install::linux_system
