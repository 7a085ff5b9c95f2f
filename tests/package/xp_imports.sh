#!/usr/bin/env bash
# Fails when a Windows program would not start on Windows XP SP3: a DLL that
# XP does not have, a function that came with Vista or later, or a PE header
# that asks for a newer subsystem. XP's loader refuses such a program outright.
#   xp_imports.sh PROGRAM.exe|DOWNLOAD.zip ...
set -euo pipefail
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}

# The system DLLs a program of ours may import; all of them ship with XP SP3.
xp_dlls=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msimg32.dll msvcrt.dll "
xp_dlls+="ole32.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll uxtheme.dll version.dll winmm.dll "

# Functions of those DLLs that Windows XP SP3 does not have (Vista and later).
vista_functions=$(tr -s ' \n' '\n' <<'LIST'
GetTickCount64 InitializeSRWLock AcquireSRWLockExclusive AcquireSRWLockShared ReleaseSRWLockExclusive
ReleaseSRWLockShared TryAcquireSRWLockExclusive TryAcquireSRWLockShared InitializeConditionVariable
SleepConditionVariableCS SleepConditionVariableSRW WakeConditionVariable WakeAllConditionVariable
InitOnceInitialize InitOnceExecuteOnce InitOnceBeginInitialize InitOnceComplete InitializeCriticalSectionEx
CreateEventExA CreateEventExW CreateMutexExA CreateMutexExW CreateSemaphoreExA CreateSemaphoreExW
CreateWaitableTimerExW FlsAlloc FlsFree FlsGetValue FlsSetValue GetFileInformationByHandleEx
SetFileInformationByHandle GetFinalPathNameByHandleA GetFinalPathNameByHandleW CreateSymbolicLinkA
CreateSymbolicLinkW GetLocaleInfoEx LCMapStringEx CompareStringEx CompareStringOrdinal
GetUserDefaultLocaleName GetSystemDefaultLocaleName LocaleNameToLCID LCIDToLocaleName ResolveLocaleName
EnumSystemLocalesEx GetDateFormatEx GetTimeFormatEx GetNumberFormatEx GetCurrencyFormatEx
GetDynamicTimeZoneInformation GetSystemTimePreciseAsFileTime QueryFullProcessImageNameA
QueryFullProcessImageNameW GetErrorMode SetThreadErrorMode GetThreadErrorMode GetThreadId
GetProcessIdOfThread CancelIoEx CancelSynchronousIo GetCurrentProcessorNumber QueryThreadCycleTime
QueryProcessCycleTime QueryUnbiasedInterruptTime RegisterApplicationRestart
RegisterApplicationRecoveryCallback CreateThreadpoolWork SubmitThreadpoolWork CloseThreadpoolWork
CreateThreadpoolTimer SetThreadpoolTimer GetQueuedCompletionStatusEx SetFileCompletionNotificationModes
GetProductInfo GetLogicalProcessorInformationEx GetActiveProcessorCount GetMaximumProcessorCount
SetDefaultDllDirectories AddDllDirectory RemoveDllDirectory CreateFile2 CreateRemoteThreadEx
InitializeProcThreadAttributeList UpdateProcThreadAttribute DeleteProcThreadAttributeList
GetThreadPreferredUILanguages GetUserPreferredUILanguages SetProcessPreferredUILanguages RaiseFailFastException
SetProcessDPIAware IsProcessDPIAware ChangeWindowMessageFilter ChangeWindowMessageFilterEx
ShutdownBlockReasonCreate ShutdownBlockReasonDestroy ShutdownBlockReasonQuery AddClipboardFormatListener
RemoveClipboardFormatListener GetUpdatedClipboardFormats RegisterPowerSettingNotification
UnregisterPowerSettingNotification SetWindowDisplayAffinity GetWindowDisplayAffinity RegisterTouchWindow
UnregisterTouchWindow GetTouchInputInfo CloseTouchInputHandle GetGestureInfo SetGestureConfig
CalculatePopupWindowPosition LogicalToPhysicalPoint PhysicalToLogicalPoint UpdateLayeredWindowIndirect
GetDpiForWindow GetDpiForSystem SetProcessDpiAwarenessContext SetThreadDpiAwarenessContext
AdjustWindowRectExForDpi GetSystemMetricsForDpi SystemParametersInfoForDpi EnableNonClientDpiScaling
RegGetValueA RegGetValueW RegDeleteTreeA RegDeleteTreeW RegSetKeyValueA RegSetKeyValueW RegDeleteKeyValueA
RegDeleteKeyValueW RegCopyTreeA RegCopyTreeW RegLoadMUIStringA RegLoadMUIStringW RegDeleteKeyExA
RegDeleteKeyExW EventRegister EventUnregister EventWrite EventWriteString
SHGetKnownFolderPath SHGetKnownFolderIDList SHSetKnownFolderPath SHCreateItemFromParsingName
SHCreateItemFromIDList SHGetStockIconInfo Shell_NotifyIconGetRect SetCurrentProcessExplicitAppUserModelID
SHGetPropertyStoreForWindow TaskDialog TaskDialogIndirect LoadIconMetric LoadIconWithScaleDown
CoGetApartmentType _configthreadlocale _create_locale _free_locale _get_errno _set_errno
_set_invalid_parameter_handler _get_invalid_parameter_handler _initterm_e _recalloc _fseeki64 _ftelli64
fopen_s _wfopen_s strcpy_s strcat_s strncpy_s wcscpy_s memcpy_s memmove_s sprintf_s _snprintf_s vsprintf_s
_vsnprintf_s _itoa_s _ultoa_s _gmtime64_s _localtime64_s _ctime64_s strerror_s qsort_s rand_s
LIST
)

# Windows XP is NT 5.1: a program asking for a later subsystem does not load.
check_header() {
  local major minor
  major=$(awk '$1 == "MajorSubsystemVersion" {print $2}' <<<"$1")
  minor=$(awk '$1 == "MinorSubsystemVersion" {print $2}' <<<"$1")
  if [ -z "$major" ] || [ $((major * 100 + minor)) -gt 501 ]; then
    echo "subsystem version ${major:-?}.${minor:-?} is later than Windows XP's 5.1"
  fi
}

# One "DLL function" line per import, "DLL <none>" for one imported by
# ordinal, and one "DLL" line per DLL. objdump prints the imports of a DLL
# under a heading that names its columns, and the columns differ between
# releases: binutils 2.40 has "vma:  Hint/Ord Member-Name Bound-To", with
# lines "\t000c5714\t  895  InitializeConditionVariable"; binutils 2.44 has
# "vma:     Ordinal  Hint  Member-Name  Bound-To", with lines
# "\t000c5714  <none>  037f  InitializeConditionVariable". The name is read
# from the column the heading calls Member-Name.
imports() {
  awk '/^\tDLL Name:/ {dll = tolower($3); name = 0; print dll; next}
       dll != "" && /^\tvma:/ {for (i = 1; i <= NF; i++) if ($i == "Member-Name") name = i; next}
       dll != "" && name && /^\t[0-9a-fA-F]+[ \t]/ {
         fn = $name
         if (fn == "" || fn ~ /^[0-9]+$/) fn = "<none>"
         print dll, fn
         next
       }
       /^$/ {dll = ""}' <<<"$1"
}

check_exe() {
  local dump
  dump=$("$objdump" -p "$1")
  grep -q "DLL Name:" <<<"$dump" || { echo "no import table found"; return; }
  check_header "$dump"
  local list dll fn
  list=$(imports "$dump" | sort -u)
  # A DLL whose functions were not read means a layout this script does not
  # know, and a check that would pass whatever the program imports.
  while read -r dll; do
    grep -q "^$dll " <<<"$list" || echo "imports $dll, but no function of it could be read from objdump's listing"
  done < <(awk 'NF == 1' <<<"$list")
  while read -r dll fn; do
    [[ $xp_dlls == *" $dll "* ]] || { [ -z "$fn" ] && echo "imports $dll, which Windows XP does not have"; continue; }
    [ -n "$fn" ] && grep -qxF "$fn" <<<"$vista_functions" && echo "imports $fn from $dll, which came after Windows XP"
  done <<<"$list"
  return 0
}

status=0
for target in "$@"; do
  exe=$target
  if [[ $target == *.zip ]]; then
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    (cd "$tmp" && cmake -E tar xf "$target")
    exe=$(find "$tmp" -iname hopvox.exe | head -n 1)
    [ -n "$exe" ] || { echo "$target: no hopvox.exe inside"; status=1; continue; }
  fi
  problems=$(check_exe "$exe")
  if [ -n "$problems" ]; then
    sed "s|^|$target: |" <<<"$problems"
    status=1
  else
    echo "$target: starts on Windows XP SP3 (imports and subsystem version checked)"
  fi
done
exit $status
