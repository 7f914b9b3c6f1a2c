// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace toolkit {

// Hands the pages the allocator holds free back to the system, where the allocator can.
void releaseFreeMemory();

} // namespace toolkit
