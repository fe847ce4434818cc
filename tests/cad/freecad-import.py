# Run by freecadcmd: imports each DXF named in the file $CAD_LIST (one per line)
# with FreeCAD's DXF importer into a new document and appends
# "<object count>\t<path>" to $CAD_RESULTS, or "error\t<path>\t<reason>".
import os

import FreeCAD
import importDXF

# The legacy importer would fetch a library from the network: the built-in one
# (the default) is named. Texts are imported too, so a drawing of only text
# still makes objects.
SETTINGS = FreeCAD.ParamGet("User parameter:BaseApp/Preferences/Mod/Draft")
SETTINGS.SetBool("dxfUseLegacyImporter", False)
SETTINGS.SetBool("dxftext", True)


def imported_objects(path):
    doc = FreeCAD.newDocument("cadcheck")
    try:
        importDXF.insert(path, doc.Name)
        return len(doc.Objects)
    finally:
        FreeCAD.closeDocument(doc.Name)


with open(os.environ["CAD_LIST"]) as listing, \
        open(os.environ["CAD_RESULTS"], "a") as results:
    for path in listing.read().splitlines():
        try:
            line = "%d\t%s" % (imported_objects(path), path)
        except Exception as error:
            line = "error\t%s\t%s" % (path, str(error).replace("\n", " "))
        results.write(line + "\n")
        results.flush()
