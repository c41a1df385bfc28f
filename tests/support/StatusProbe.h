// Resources only the support tests use.
#pragma once
#define IDB_PROBE_ONE_FRAME 9100
