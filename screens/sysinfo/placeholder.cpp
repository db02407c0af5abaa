// SPDX-License-Identifier: MIT
// Replaced by the system-information lookup.
