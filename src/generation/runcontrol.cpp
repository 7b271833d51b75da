#include "generation/runcontrol.h"

namespace iconsmith {

void RunControl::fileFinished()
{
    const int finished = ++m_files;
    if (m_progress)
        m_progress(finished);
}

} // namespace iconsmith
