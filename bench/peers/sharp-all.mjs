// node sharp-all.mjs SOURCE OUTDIR NAME:SIZE...
//
// The way most scripts use sharp: one pipeline per output, all started at once. Each pipeline
// decodes the source for itself.
import sharp from 'sharp';
import { parseArguments } from './outputs.mjs';

const { source, outputs } = parseArguments(process.argv.slice(2));
await Promise.all(
    outputs.map(({ file, size }) => sharp(source).resize(size, size, { fit: 'fill' }).png().toFile(file)),
);
