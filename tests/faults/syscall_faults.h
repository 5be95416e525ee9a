#pragma once

// Makes the file system fail under a save, the way a real disk does: the
// test program defines write(), fsync(), fdatasync(), the renames and
// linkat() itself,
// so Qt's own calls land here first and reach the C library only when no
// fault is armed. Standard output and error are never touched.
enum class SaveFault {
    None,
    ShortWrite,    // half of a write lands, then the disk is full
    FullDisk,      // the first write finds no space
    FailedSync,    // the data cannot be forced to the disk
    FailedRename,  // the finished file cannot take its name (rename or link)
};

// Arms fault for every call from now on until it is disarmed with None.
void armSaveFault(SaveFault fault);

// How many times the fault's call has been made since it was armed.
int faultCalls();
