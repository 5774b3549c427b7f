#include "draw/offscreen_buffer.h"

COffscreenBuffer::COffscreenBuffer(CWnd* pOwner, int nLayers) : m_pScreenDC(nullptr), m_pOwner(pOwner) {
  RECT client{};
  m_pOwner->GetClientRect(&client);
  m_rcClient = client;
  m_pScreenDC = m_pOwner->GetDC();
  for (int i = 0; i < nLayers; ++i) {
    CBitmap& bitmap = *m_layerBitmaps.emplace_back(std::make_unique<CBitmap>());
    bitmap.CreateCompatibleBitmap(m_pScreenDC, m_rcClient.Width(), m_rcClient.Height());
    CDC& dc = *m_layerDCs.emplace_back(std::make_unique<CDC>());
    dc.CreateCompatibleDC(m_pScreenDC);
    m_savedStates.push_back(dc.SaveDC());
    dc.SelectObject(&bitmap);
  }
}

COffscreenBuffer::~COffscreenBuffer() {
  for (std::size_t i = 0; i < m_layerDCs.size(); ++i) m_layerDCs[i]->RestoreDC(m_savedStates[i]);
  m_pOwner->ReleaseDC(m_pScreenDC);
}

CDC* COffscreenBuffer::GetLayerDC(int nLayer) { return m_layerDCs[static_cast<std::size_t>(nLayer)].get(); }

void COffscreenBuffer::CopyLayer(int nSource, int nDestination) {
  GetLayerDC(nDestination)->BitBlt(0, 0, m_rcClient.Width(), m_rcClient.Height(), GetLayerDC(nSource), 0, 0, SRCCOPY);
}

void COffscreenBuffer::Present(int nLayer) {
  m_pScreenDC->BitBlt(0, 0, m_rcClient.Width(), m_rcClient.Height(), GetLayerDC(nLayer), 0, 0, SRCCOPY);
}
