// node sharp-once.mjs SOURCE OUTDIR NAME:SIZE...
//
// sharp used with some care: the source is decoded once to raw pixels and every output is made
// from that buffer, all at once.
import sharp from 'sharp';
import { parseArguments } from './outputs.mjs';

const { source, outputs } = parseArguments(process.argv.slice(2));
const { data, info } = await sharp(source).raw().toBuffer({ resolveWithObject: true });
const raw = { raw: { width: info.width, height: info.height, channels: info.channels } };
await Promise.all(
    outputs.map(({ file, size }) => sharp(data, raw).resize(size, size, { fit: 'fill' }).png().toFile(file)),
);
