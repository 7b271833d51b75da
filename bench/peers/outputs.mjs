// The outputs a peer script is asked for, as NAME:SIZE arguments (e.g. Icon-20@2x.png:40).
// A name may come twice: the set writes a file once per pass, and so do the peers.
import path from 'node:path';

export function parseArguments(argv) {
    const [source, outDir, ...items] = argv;
    if (!source || !outDir || items.length === 0) {
        throw new Error('usage: SOURCE OUTDIR NAME:SIZE...');
    }
    const outputs = items.map((item) => {
        const colon = item.lastIndexOf(':');
        const size = Number(item.slice(colon + 1));
        if (colon <= 0 || !Number.isInteger(size) || size <= 0) {
            throw new Error(`not NAME:SIZE: ${item}`);
        }
        return { file: path.join(outDir, item.slice(0, colon)), size };
    });
    return { source, outputs };
}
