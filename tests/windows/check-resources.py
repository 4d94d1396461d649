#!/usr/bin/python3
"""Checks what Windows reads of a program before it starts it: the version resource, the
icon and the manifest.
  check-resources.py VERSION PROGRAM.exe...
Every program must name its description, product, maker, copyright and VERSION; carry an
icon; and have a manifest with PerMonitorV2, longPathAware, Windows 10/11, Common Controls 6
and no activeCodePage (which would change every password derived from a Chinese Key)."""
import sys

import pefile

MANIFEST_NEEDS = [
    "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2</dpiAwareness>",
    "<longPathAware xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">true</longPathAware>",
    "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>",
    "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
]


def resources(pe, kind):
    for entry in getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None).entries if hasattr(pe, "DIRECTORY_ENTRY_RESOURCE") else []:
        if entry.id == kind:
            for name in entry.directory.entries:
                for language in name.directory.entries:
                    data = language.data.struct
                    yield pe.get_data(data.OffsetToData, data.Size)


def check(version, path):
    pe = pefile.PE(path)
    failures = []
    strings = {}
    for info in getattr(pe, "FileInfo", []) or []:
        for block in info:
            for table in getattr(block, "StringTable", []):
                strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
    for key in ("FileDescription", "ProductName", "CompanyName", "LegalCopyright"):
        if not strings.get(key):
            failures.append(f"no {key}")
    for key in ("FileVersion", "ProductVersion"):
        if strings.get(key) != version:
            failures.append(f"{key} is {strings.get(key)!r}, not {version}")
    if not list(resources(pe, pefile.RESOURCE_TYPE["RT_GROUP_ICON"])):
        failures.append("no icon")
    manifests = [m.decode("utf-8") for m in resources(pe, pefile.RESOURCE_TYPE["RT_MANIFEST"])]
    if len(manifests) != 1:
        failures.append(f"{len(manifests)} manifests")
    else:
        for needed in MANIFEST_NEEDS:
            if needed not in manifests[0]:
                failures.append(f"the manifest lacks {needed}")
        if "<activeCodePage" in manifests[0]:
            failures.append("the manifest sets activeCodePage")
    print(f"{path}: " + ("; ".join(failures) if failures else
                         f"{strings['FileDescription']}, {strings['CompanyName']}, {strings['LegalCopyright']}, "
                         f"{version}, icon, manifest"))
    return not failures


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    results = [check(sys.argv[1], path) for path in sys.argv[2:]]
    sys.exit(0 if all(results) else 1)
