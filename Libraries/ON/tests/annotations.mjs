// Prints, as JSON, what rhino3dm reads from the text and leader annotations of a .3dm file: per
// object its id, kind, plain text, plane origin and axes, and (leaders) its points in world
// coordinates. Usage: node annotations.mjs FILE.3dm (rhino3dm found through RHINO3DM_DIR).
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';

const file = process.argv[2];
let factory;
try {
  factory = createRequire(path.join(path.resolve(process.env.RHINO3DM_DIR || '.'), 'noop.js'))('rhino3dm');
} catch {
  process.exit(3);
}
const rh = await factory();
const model = rh.File3dm.fromByteArray(new Uint8Array(fs.readFileSync(file)));
if (!model) process.exit(2);
const table = model.objects();
const out = [];
for (let i = 0; i < table.count; i++) {
  const entry = table.get(i);
  const g = entry.geometry();
  const isLeader = g instanceof rh.Leader;
  if (!isLeader && !(g instanceof rh.Text)) continue;
  const plane = g.plane;
  const item = {
    id: entry.attributes().id,
    kind: isLeader ? 'leader' : 'text',
    text: g.plainText,
    origin: plane.origin,
    xaxis: plane.xAxis,
    zaxis: plane.zAxis,
  };
  if (isLeader) item.points = g.points.map((p) => [p.X, p.Y, p.Z]);
  out.push(item);
}
process.stdout.write(JSON.stringify(out));
