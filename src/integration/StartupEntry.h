#pragma once
// The startup entry that starts the product's main program at every logon, the
// product's descriptive names and its install count, written after the copying.

// Step 2 of the installation; appends the startup value's record to the log.
void WriteStartupEntry();
