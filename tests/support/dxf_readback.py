"""Reads a DXF file with ezdxf as a CAD program would and prints what the tests compare
with the room model, as JSON: the audit, the header, the entities per layer, the outline
with the arcs its bulges make, the block references with their attributes and the texts.
Text is decoded as displayed: the \\U+XXXX escapes become their characters."""

import json
import math
import sys

import ezdxf
from ezdxf.math import bulge_to_arc


def shown(text):
    return ezdxf.decode_dxf_unicode(text) if ezdxf.has_dxf_unicode(text) else text


def outline(polyline):
    vertices = []
    points = list(polyline.get_points("xyb"))
    for i, (x, y, bulge) in enumerate(points):
        vertex = {"x": x, "y": y, "bulge": bulge}
        if bulge:
            nx, ny, _ = points[(i + 1) % len(points)]
            centre, start, end, radius = bulge_to_arc((x, y), (nx, ny), bulge)
            vertex["arc"] = {"cx": centre.x, "cy": centre.y, "radius": radius,
                             "start": math.degrees(start), "end": math.degrees(end)}
        vertices.append(vertex)
    return vertices


def main(path):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    msp = doc.modelspace()
    result = {
        "version": doc.dxfversion,
        "encoding": doc.encoding,
        "insunits": doc.header.get("$INSUNITS"),
        "codepage": doc.header.get("$DWGCODEPAGE"),
        "errors": [e.message for e in auditor.errors],
        "layerNames": [shown(layer.dxf.name) for layer in doc.layers],
        "counts": {},
        "outline": [],
        "inserts": [],
        "texts": [],
        "blocks": {},
    }
    for entity in msp:
        layer = shown(entity.dxf.layer)
        result["counts"][layer] = result["counts"].get(layer, 0) + 1
        kind = entity.dxftype()
        if kind == "LWPOLYLINE" and not result["outline"]:
            result["outline"] = outline(entity)
        elif kind == "INSERT":
            result["inserts"].append({
                "layer": layer,
                "block": entity.dxf.name,
                "x": entity.dxf.insert.x,
                "y": entity.dxf.insert.y,
                "rotation": entity.dxf.rotation,
                "attribs": {a.dxf.tag: shown(a.dxf.text) for a in entity.attribs},
            })
        elif kind == "TEXT":
            result["texts"].append({"layer": layer, "text": shown(entity.dxf.text)})
        elif kind == "DIMENSION":
            result.setdefault("measurements", []).append(entity.get_measurement())
    for block in doc.blocks:
        if not block.name.startswith("*"):
            result["blocks"][block.name] = {
                d.dxf.tag: shown(d.dxf.text) for d in block.query("ATTDEF")}
    json.dump(result, sys.stdout, ensure_ascii=False)


if __name__ == "__main__":
    main(sys.argv[1])
