// Prints the versions of sharp and of the libvips it carries, for the comparison's footer.
import sharp from 'sharp';

console.log(`sharp ${sharp.versions.sharp} (libvips ${sharp.versions.vips})`);
