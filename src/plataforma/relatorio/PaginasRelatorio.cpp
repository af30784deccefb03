#include "plataforma/relatorio/PaginasRelatorio.h"

#include <QTemporaryFile>

#include <algorithm>
#include <stdexcept>

namespace relatorio {

PaginasRelatorio::PaginasRelatorio(int limiteMemoria) : m_limiteMemoria(std::max(1, limiteMemoria)) {}

PaginasRelatorio::~PaginasRelatorio() = default;

void PaginasRelatorio::inicia(const QPageLayout& layout) { m_layout = layout; }

bool PaginasRelatorio::continua() {
  if (aoContinuar && !m_parar) aoContinuar();
  return !m_parar;
}

void PaginasRelatorio::recebe(const QPicture& pagina) {
  const QByteArray dados(pagina.data(), qsizetype(pagina.size()));
  Lugar lugar;
  lugar.tamanho = dados.size();
  if (int(m_memoria.size()) < m_limiteMemoria) {
    lugar.memoria = int(m_memoria.size());
    m_memoria.push_back(dados);
  } else {
    if (!m_arquivo) {
      m_arquivo = std::make_unique<QTemporaryFile>();
      if (!m_arquivo->open()) throw std::runtime_error("Não foi possível criar o arquivo temporário das páginas do relatório.");
    }
    lugar.posicao = m_arquivo->size();
    if (!m_arquivo->seek(lugar.posicao) || m_arquivo->write(dados) != dados.size())
      throw std::runtime_error("Não foi possível gravar as páginas do relatório no arquivo temporário.");
  }
  m_indice.push_back(lugar);
  if (aoReceber) aoReceber(quantidade());
}

QByteArray PaginasRelatorio::bytes(int numero) const {
  if (numero < 1 || numero > quantidade()) return {};
  const Lugar& lugar = m_indice[numero - 1];
  if (lugar.memoria >= 0) return m_memoria[lugar.memoria];
  if (!m_arquivo || !m_arquivo->seek(lugar.posicao)) return {};
  return m_arquivo->read(lugar.tamanho);
}

QPicture PaginasRelatorio::pagina(int numero) const {
  QPicture picture;
  const QByteArray dados = bytes(numero);
  if (!dados.isEmpty()) picture.setData(dados.constData(), uint(dados.size()));
  return picture;
}

void PaginasRelatorio::limpa() {
  m_memoria.clear();
  m_indice.clear();
  m_arquivo.reset();
}

void PaginasRelatorio::reproduz(IDestinoPaginas& destino, int de, int ate) const {
  de = std::max(de, 1);
  ate = std::min(ate, quantidade());
  destino.defineFrenteVerso(m_frenteVerso);
  destino.inicia(m_layout);
  for (int n = de; n <= ate && destino.continua(); ++n) destino.recebe(pagina(n));
  destino.termina();
}

}  // namespace relatorio
